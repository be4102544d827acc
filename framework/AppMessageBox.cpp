#include "framework/AppMessageBox.h"

#include "framework/CWinApp.h"

#include <exception>
#include <new>
#include <utility>

namespace {

MessageBoxHandler& Handler()
{
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

int AppMessageBox(const std::string& text, UINT type)
{
    CWinApp* app = CWinApp::GetApp();
    HWND owner = app ? app->GetMainWnd() : nullptr;
    const std::string caption = app ? app->m_appName : std::string();
    if (Handler()) {
        return Handler()(owner, text, caption, type);
    }
    return ::MessageBoxA(owner, text.c_str(), caption.empty() ? nullptr : caption.c_str(), type);
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
