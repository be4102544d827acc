// DialogScript: a person's steps on the dialogs of this thread, each played once its dialog is up.
#pragma once

#include "framework/CommonDialogs.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class DialogScript {
public:
    using Action = std::function<void(HWND dialog)>;

    // Starts playing at once: a thread timer looks for the next step's dialog.
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Adds a step for the enabled, visible dialog whose title is title.
    DialogScript& On(const std::string& title, Action action);
    // Every step was played. A script that stalls for 20 s cancels the dialog it waits for.
    bool Finished() const { return m_next == m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }

    // A click on a dialog's button, posted as the button would.
    static void Click(HWND dialog, int id);
    static void SetText(HWND dialog, int id, const std::string& text);
    // Types text into a control (a combo box's edit field for a combo box) as the keyboard
    // does: one character message a UTF-16 unit, posted in Unicode form after the focus.
    static void Type(HWND dialog, int id, const std::wstring& text);
    static std::string Text(HWND dialog, int id);
    // The texts of a combo box's or a list box's items, in order.
    static std::vector<std::string> ComboItems(HWND dialog, int id);
    static std::vector<std::string> ListItems(HWND dialog, int id);
    // The dialog's control that holds the focus (a combo box for its edit field), or 0.
    static int FocusedControl(HWND dialog);

private:
    struct Step {
        std::string title;
        Action action;
    };

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void PlayNext();

    std::vector<Step> m_steps;
    size_t m_next = 0;
    UINT_PTR m_timer = 0;
    DWORD m_lastProgress = 0;
    bool m_timedOut = false;
};

// Answers every common dialog (file, font, colour) of a test through the handler given,
// and puts the previous answerer back when it goes.
class ChooserAnswers {
public:
    explicit ChooserAnswers(CommonDialogHandler handler);
    ~ChooserAnswers();
    ChooserAnswers(const ChooserAnswers&) = delete;
    ChooserAnswers& operator=(const ChooserAnswers&) = delete;

private:
    CommonDialogHandler m_previous;
};
