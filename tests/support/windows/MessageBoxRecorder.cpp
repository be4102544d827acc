#include "tests/support/windows/MessageBoxRecorder.h"

#include "tests/support/windows/DialogScript.h"

#include <utility>

namespace {

int AnswerOK(const MessageBoxRecorder::Shown&)
{
    return IDOK;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() : m_answer(AnswerOK)
{
    m_previous = SetMessageBoxHandler([this](HWND, const std::string& text, const std::string& caption, UINT type) {
        HWND focus = ::GetFocus();
        const HWND dialog = focus ? ::GetAncestor(focus, GA_ROOT) : nullptr;
        shown.push_back(Shown{text, caption, type, dialog ? DialogScript::FocusedControl(dialog) : 0});
        return m_answer(shown.back());
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(m_previous);
}

void MessageBoxRecorder::AnswerWith(Answer answer)
{
    m_answer = std::move(answer);
}

std::vector<std::string> MessageBoxRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const Shown& box : shown)
        texts.push_back(box.text);
    return texts;
}
