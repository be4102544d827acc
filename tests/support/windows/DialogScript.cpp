#include "tests/support/windows/DialogScript.h"

#include <algorithm>
#include <utility>

namespace {

DialogScript* g_script = nullptr;
const DWORD kStallMs = 20000;

struct Search {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    char className[16] = "";
    ::GetClassNameA(hwnd, className, sizeof className);
    char title[256] = "";
    ::GetWindowTextA(hwnd, title, sizeof title);
    if (std::string(className) == "#32770" && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)
        && (!search->title || *search->title == title)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND EnabledDialog(const std::string* title)
{
    Search search{title, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

DialogScript::DialogScript()
{
    g_script = this;
    m_lastProgress = ::GetTickCount();
    m_timer = ::SetTimer(nullptr, 0, 20, Tick);
}

DialogScript::~DialogScript()
{
    ::KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

DialogScript& DialogScript::On(const std::string& title, Action action)
{
    m_steps.push_back(Step{title, std::move(action)});
    return *this;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    // A step may run a nested modal loop (a button that opens a dialog): the steps after it
    // then play inside that loop, since each step counts as played before it runs.
    if (g_script) {
        g_script->PlayNext();
    }
}

void DialogScript::PlayNext()
{
    if (Finished()) {
        return;
    }
    if (HWND dialog = EnabledDialog(&m_steps[m_next].title)) {
        const Action action = m_steps[m_next].action;
        ++m_next;
        m_lastProgress = ::GetTickCount();
        action(dialog);
        return;
    }
    if (::GetTickCount() - m_lastProgress > kStallMs) {
        m_timedOut = true;
        if (HWND stuck = EnabledDialog(nullptr)) {
            ::PostMessageA(stuck, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }
}

void DialogScript::Click(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void DialogScript::SetText(HWND dialog, int id, const std::string& text)
{
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

void DialogScript::Type(HWND dialog, int id, const std::wstring& text)
{
    HWND control = ::GetDlgItem(dialog, id);
    HWND edit = ::FindWindowExA(control, nullptr, "Edit", nullptr);
    HWND target = edit ? edit : control;
    ::SetFocus(target);
    ::SendMessageA(target, EM_SETSEL, 0, -1);
    for (wchar_t unit : text)
        ::PostMessageW(target, WM_CHAR, unit, 1);
}

std::string DialogScript::Text(HWND dialog, int id)
{
    char text[1024] = "";
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

namespace {

std::vector<std::string> ItemTexts(HWND control, UINT countMessage, UINT textMessage)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(control, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[1024] = "";
        ::SendMessageA(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

}  // namespace

std::vector<std::string> DialogScript::ComboItems(HWND dialog, int id)
{
    return ItemTexts(::GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXT);
}

std::vector<std::string> DialogScript::ListItems(HWND dialog, int id)
{
    return ItemTexts(::GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXT);
}

int DialogScript::FocusedControl(HWND dialog)
{
    HWND focus = ::GetFocus();
    while (focus && ::GetParent(focus) != dialog) {
        focus = ::GetParent(focus);
    }
    return focus ? ::GetDlgCtrlID(focus) : 0;
}

ChooserAnswers::ChooserAnswers(CommonDialogHandler handler) : m_previous(SetCommonDialogHandler(std::move(handler)))
{
}

ChooserAnswers::~ChooserAnswers()
{
    SetCommonDialogHandler(m_previous);
}
