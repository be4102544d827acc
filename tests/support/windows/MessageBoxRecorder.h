// MessageBoxRecorder: answers and records every application message box of a test.
#pragma once

#include "framework/AppMessageBox.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// While it lives, every application message box is recorded and answered
// instead of shown; the previous handler comes back when it goes, also when
// an assertion ends the test early.
class MessageBoxRecorder {
public:
    struct Shown {
        std::string text;
        std::string caption;
        UINT type;
        // The control that held the focus in the dialog the box interrupts (0: none).
        int focusedControl;
    };
    // The button a box gets; it may also throw, as a failing box would.
    using Answer = std::function<int(const Shown&)>;

    // Answers every box with OK.
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The boxes from now on get the answer's button.
    void AnswerWith(Answer answer);
    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

    std::vector<Shown> shown;

private:
    MessageBoxHandler m_previous;
    Answer m_answer;
};
