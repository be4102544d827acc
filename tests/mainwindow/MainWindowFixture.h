// MainWindowFixture: runs the real main window on fixture files, with the message boxes answered and recorded.
#pragma once

#include "framework/AppMessageBox.h"
#include "framework/CWinApp.h"
#include "MainWindowChildren.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class MainWindowFixture : public ::testing::Test {
public:
    // One scripted action inside the modal cycle; with newWindow it waits for
    // the window that a restart creates.
    struct Step {
        bool newWindow;
        std::function<void(CTandrelDialog&)> action;
    };

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

    // Runs the modal cycle on the two files, performing the steps once each
    // window is up; returns DoModal's result.
    INT_PTR RunModal(const std::string& left, const std::string& right, std::vector<Step> steps,
                     int autoStepSeconds = 0);
    // Sends a command as a toolbar button or accelerator would.
    static void Command(CTandrelDialog& d, UINT id);
    // Gives a message to the window's own pre-translation, as its modal loop does.
    static BOOL PreTranslate(CTandrelDialog& d, UINT message, WPARAM wParam, LPARAM lParam, HWND target = nullptr);

    CWinApp app;
    AppSettings settings;
    std::unique_ptr<CTandrelDialog> dialog;
    std::vector<std::string> messages;
    std::string folder;

private:
    MessageBoxHandler previousHandler_;
};
