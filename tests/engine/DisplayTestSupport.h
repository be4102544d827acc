// DisplayTestSupport: private folders and files, and runs of the display pipeline, for its tests.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/MessageSink.h"
#include "engine/PaneAlignment.h"
#include "engine/PaneTexts.h"
#include "EngineTestFiles.h"

#include <string>
#include <vector>

// A private folder for input files and a private temporary folder that
// TMPDIR points at while the object lives, so that a test can tell exactly
// which temporary files the code under test left behind.
class DisplayFolders {
public:
    DisplayFolders();
    ~DisplayFolders();
    DisplayFolders(const DisplayFolders&) = delete;
    DisplayFolders& operator=(const DisplayFolders&) = delete;

    // Writes the bytes to a file of that name in the input folder; returns its path.
    std::string WriteInput(const std::string& name, const std::string& bytes) const;
    // Names of the entries in the temporary folder.
    std::vector<std::string> TempEntries() const;
    const std::string& TempPath() const { return temp_.Path(); }
    const std::string& InputFolder() const { return inputs_.Path(); }

private:
    TempFolder inputs_{"display-inputs"};
    TempFolder temp_{"display-temp"};
    std::string savedTmpdir_;
    bool hadTmpdir_ = false;
};

std::string ReadWholeFile(const std::string& path);

// The result of the display pipeline on two texts given as file contents.
struct PipelineRun {
    bool loaded = false;
    int compared = -1;
    bool aligned = false;
    bool built = false;
    ComparisonState state;
    PaneTexts texts;
    CollectedMessages messages;
};

// CompareTextFiles on two input files (copies written, compared, the texts
// taken back from them and the copies deleted), then AlignPanes and
// BuildPaneTexts: the program's own order.
void RunPipeline(const DisplayFolders& folders, const std::string& left, const std::string& right, bool ignoreBlanks,
                 bool ignoreCase, PipelineRun& run);

// LoadPaneTexts on two contents, with the copies deleted at once: the state
// that AlignPanes starts from, for tests that supply their own listing.
ComparisonState LoadedState(const DisplayFolders& folders, const std::string& left, const std::string& right);
