// MainWindowFixture: runs the real main window on fixture files, with the message boxes answered and recorded.
#pragma once

#include "framework/AppMessageBox.h"
#include "framework/CWinApp.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class MainWindowFixture : public ::testing::Test {
protected:
    static constexpr const char* kCompany = "TandrelMainWindowTest";

    void SetUp() override;
    void TearDown() override;

    // Writes a file in the test's own folder and returns its path.
    std::string WriteFile(const std::string& name, const std::string& content);
    // Lines "prefix1" .. "prefixN", each ending in a line feed.
    static std::string Lines(const std::string& prefix, int count);

    // Creates the window (modeless, so the test can look at it) on the two files.
    CTandrelDialog& Open(const std::string& left, const std::string& right);
    void Close();

    std::string StatusText(int part);
    std::vector<std::string> ListEntries();
    // Temporary copies the comparison may have left in the temporary folder.
    static int TemporaryCopies();

    CWinApp app;
    AppSettings settings;
    std::unique_ptr<CTandrelDialog> dialog;
    std::vector<std::string> messages;
    std::string folder;

private:
    MessageBoxHandler previousHandler_;
};
