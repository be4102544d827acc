// MainWindowFixture: runs the real main window on fixture files, with the message boxes answered and recorded.
#pragma once

#include "framework/CWinApp.h"
#include "MainWindowChildren.h"
#include "shell/AppSettings.h"
#include "shell/CTandrelDialog.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TextLines.h"
#include "tests/support/windows/MessageBoxRecorder.h"

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

    // Creates the window (modeless, so the test can look at it) on the two files.
    CTandrelDialog& Open(const std::string& left, const std::string& right);
    void Close();

    std::string StatusText(int part);
    std::vector<std::string> ListEntries();
    // Temporary copies the comparison may have left in the temporary folder.
    static int TemporaryCopies();

    // Runs the modal cycle on the two files, performing the steps once each
    // window is up; returns DoModal's result. A window that shows after the last
    // step (a restart no step waits for) is counted and closed; watch, when given,
    // looks at each window on show every few milliseconds.
    INT_PTR RunModal(const std::string& left, const std::string& right, std::vector<Step> steps,
                     int autoStepSeconds = 0, std::function<void(CTandrelDialog&)> watch = nullptr);
    // Sends a command as a toolbar button or accelerator would.
    static void Command(CTandrelDialog& d, UINT id);
    // Posts a command: it arrives only if the window is still running when its turn comes.
    static void PostCommand(CTandrelDialog& d, UINT id);
    // Gives a message to the window's own pre-translation, as its modal loop does.
    static BOOL PreTranslate(CTandrelDialog& d, UINT message, WPARAM wParam, LPARAM lParam, HWND target = nullptr);
    // What the window's area tooltip would show for the mouse at a point of its client area.
    static std::string TipAt(CTandrelDialog& d, POINT point);
    // The centre of a child window in the window's client coordinates.
    static POINT CentreOf(CTandrelDialog& d, CWnd& child);

    CWinApp app;
    AppSettings settings;
    std::unique_ptr<CTandrelDialog> dialog;
    MessageBoxRecorder messages;
    const TempFolder temp_{"tandrel-mainwindow"};
    const std::string folder = temp_.Path();
    // The window instances the last modal run showed: more than one after a restart.
    int windowsShown = 0;
};
