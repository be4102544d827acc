#include "framework/AppMessageBox.h"

#include "framework/CWinApp.h"
#include "framework/MessageText.h"

#include <exception>
#include <new>
#include <utility>
#include <vector>

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

// The window a box belongs to: the one active when it is raised (a dialog, the Find
// dialog), else the main window; a disabled one hands over to the popup that disabled it.
HWND BoxOwner()
{
    CWinApp* app = CWinApp::GetApp();
    HWND owner = ::GetActiveWindow();
    if (!owner && app)
        owner = app->GetMainWnd();
    if (owner && !::IsWindowEnabled(owner)) {
        HWND popup = ::GetLastActivePopup(owner);
        if (popup && ::IsWindowEnabled(popup))
            owner = popup;
    }
    return owner;
}

// While a box is up, no other window of the program takes input: the box disables its
// owner itself, this disables every other top-level window of the thread and enables
// them again when it goes.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND owner) : m_owner(owner)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled()
    {
        for (HWND window : m_disabled) {
            if (::IsWindow(window))
                ::EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK DisableOne(HWND window, LPARAM self)
    {
        auto* disabler = reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != disabler->m_owner && ::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
            ::EnableWindow(window, FALSE);
            disabler->m_disabled.push_back(window);
        }
        return TRUE;
    }

    HWND m_owner;
    std::vector<HWND> m_disabled;
};

}  // namespace

int AppMessageBox(const std::string& text, UINT type)
{
    CWinApp* app = CWinApp::GetApp();
    const std::string caption = app ? app->m_appName : std::string();
    HWND owner = BoxOwner();
    const OtherWindowsDisabled others(owner);
    if (Handler()) {
        return Handler()(owner, text, caption, type);
    }
    return ::MessageBoxA(owner, MessageText::Fit(text).c_str(), caption.empty() ? nullptr : caption.c_str(), type);
}

void ReportCurrentException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::bad_alloc&) {
            AppMessageBox("Out of memory.");
        } catch (const std::exception& e) {
            AppMessageBox(e.what());
        } catch (...) {
            AppMessageBox("An unexpected error occurred.");
        }
    } catch (...) {
    }
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(Handler(), std::move(handler));
}
