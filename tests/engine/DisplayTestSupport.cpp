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

namespace {

std::string MakeFolder(const char* pattern)
{
    std::string name = (fs::temp_directory_path() / pattern).string();
    if (mkdtemp(&name[0]) == nullptr)
        ADD_FAILURE() << "cannot create " << name;
    return name;
}

}  // namespace

DisplayFolders::DisplayFolders()
{
    inputs_ = MakeFolder("display-inputs-XXXXXX");
    temp_ = MakeFolder("display-temp-XXXXXX");
    const char* current = std::getenv("TMPDIR");
    hadTmpdir_ = current != nullptr;
    if (hadTmpdir_)
        savedTmpdir_ = current;
    setenv("TMPDIR", temp_.c_str(), 1);
}

DisplayFolders::~DisplayFolders()
{
    if (hadTmpdir_)
        setenv("TMPDIR", savedTmpdir_.c_str(), 1);
    else
        unsetenv("TMPDIR");
    std::error_code ignored;
    fs::remove_all(inputs_, ignored);
    fs::remove_all(temp_, ignored);
}

std::string DisplayFolders::WriteInput(const std::string& name, const std::string& bytes) const
{
    const std::string path = (fs::path(inputs_) / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return path;
}

std::vector<std::string> DisplayFolders::TempEntries() const
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(temp_))
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
