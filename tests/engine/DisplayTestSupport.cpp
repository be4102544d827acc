#include "DisplayTestSupport.h"

#include "engine/DisplayLoading.h"
#include "engine/TextComparison.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

DisplayFolders::DisplayFolders()
{
    const char* current = std::getenv("TMPDIR");
    hadTmpdir_ = current != nullptr;
    if (hadTmpdir_)
        savedTmpdir_ = current;
    setenv("TMPDIR", temp_.Path().c_str(), 1);
}

DisplayFolders::~DisplayFolders()
{
    if (hadTmpdir_)
        setenv("TMPDIR", savedTmpdir_.c_str(), 1);
    else
        unsetenv("TMPDIR");
}

std::string DisplayFolders::WriteInput(const std::string& name, const std::string& bytes) const
{
    return inputs_.Write(name, bytes);
}

std::vector<std::string> DisplayFolders::TempEntries() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp_.Path()))
        names.push_back(entry.path().filename().string());
    return names;
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void RunPipeline(const DisplayFolders& folders, const std::string& left, const std::string& right, bool ignoreBlanks,
                 bool ignoreCase, PipelineRun& run)
{
    run.compared = CompareTextFiles(folders.WriteInput("left", left), folders.WriteInput("right", right), ignoreBlanks,
                                    ignoreCase, run.state, run.messages);
    run.loaded = run.compared >= 0;
    if (!run.loaded)
        return;
    run.aligned = AlignPanes(run.state, run.messages);
    run.built = BuildPaneTexts(run.state, run.texts, run.messages);
}

ComparisonState LoadedState(const DisplayFolders& folders, const std::string& left, const std::string& right)
{
    ComparisonState state;
    std::string leftCopy;
    std::string rightCopy;
    CollectedMessages messages;
    EXPECT_TRUE(LoadPaneTexts(folders.WriteInput("left", left), folders.WriteInput("right", right), state, leftCopy,
                              rightCopy, messages));
    std::remove(leftCopy.c_str());
    std::remove(rightCopy.c_str());
    return state;
}
