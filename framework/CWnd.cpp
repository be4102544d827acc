#include "framework/CWnd.h"

#include "framework/AppMessageBox.h"

#include <unordered_map>
#include <vector>

namespace {

const char kPlainClass[] = "TandrelWnd";

// The objects that own this thread's windows, of every class, including the
// system's controls the framework subclasses. Every message looks its window
// up: a window property would cost a call to the window system each time
// (under Wine a round trip to its server), this map costs none.
thread_local std::unordered_map<HWND, CWnd*> t_objects;

// The object CreateEx is creating a window for; it claims the window on WM_NCCREATE.
thread_local CWnd* t_creating = nullptr;

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    const auto found = t_objects.find(hwnd);
    return found != t_objects.end() ? found->second : nullptr;
}

bool CWnd::RegisterWindowClass(LPCSTR className, UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(instance, className, &existing)) {
        return existing.lpfnWndProc == StaticWindowProc;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = cursor ? cursor : ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    return ::RegisterClassExA(&wc) != 0;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId)
{
    if (m_hWnd) {
        return FALSE;
    }
    if (!className) {
        RegisterWindowClass(kPlainClass, CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        className = kPlainClass;
    }
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    const bool ours =
        ::GetClassInfoExA(::GetModuleHandleA(nullptr), className, &info) && info.lpfnWndProc == StaticWindowProc;
    CWnd* const outer = t_creating;
    t_creating = ours ? this : nullptr;
    HWND hwnd = ::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId,
                                  ::GetModuleHandleA(nullptr), nullptr);
    t_creating = outer;
    if (!hwnd) {
        return FALSE;
    }
    if (!ours) {
        SubclassWindow(hwnd);
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

void CWnd::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    t_objects[hwnd] = this;
}

void CWnd::Detach()
{
    t_objects.erase(m_hWnd);
    if (m_superProc) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        m_superProc = nullptr;
    }
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (m_hWnd || !::IsWindow(hwnd) || FromHandlePermanent(hwnd)) {
        return FALSE;
    }
    Attach(hwnd);
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    if (hwnd) {
        Detach();
    }
    return hwnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

UINT CWnd::RegisterMessage(LPCSTR name)
{
    return ::RegisterWindowMessageA(name);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs)
{
    return ::SetTimer(m_hWnd, id, elapseMs, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

HWND CWnd::GetFocus()
{
    return ::GetFocus();
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(const RECT& rect, BOOL repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::Invalidate(BOOL erase)
{
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::InvalidateRect(const RECT* rect, BOOL erase)
{
    ::InvalidateRect(m_hWnd, rect, erase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

void CWnd::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(RECT* rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

HWND CWnd::GetParent() const
{
    return ::GetParent(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetWindowText() const
{
    return WindowTextOf(m_hWnd);
}

std::string CWnd::WindowTextOf(HWND hwnd)
{
    const int length = ::GetWindowTextLengthA(hwnd);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::SetFont(HFONT font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw, 0));
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc) {
        return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
            return 0;
        }
        break;
    default: break;
    }
    return Default();
}

bool CWnd::OnCommand(UINT, UINT, HWND)
{
    return false;
}

void CWnd::DeleteWhenIdle()
{
    if (m_dispatchDepth == 0) {
        delete this;
        return;
    }
    m_deleteWhenIdle = true;
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++m_dispatchDepth;
    const Message outer = m_current;
    m_current = Message{message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
    m_current = outer;
    --m_dispatchDepth;
    return result;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    // The first message (WM_GETMINMAXINFO precedes WM_NCCREATE for top-level windows).
    if (!wnd && t_creating) {
        wnd = t_creating;
        t_creating = nullptr;
        wnd->Attach(hwnd);
    }
    if (!wnd) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    const LRESULT result = wnd->Dispatch(message, wParam, lParam);
    if (wnd->m_deleteWhenIdle && wnd->m_dispatchDepth == 0) {
        // The destructor destroys a window still there, whose messages come back here.
        wnd->m_deleteWhenIdle = false;
        if (message == WM_NCDESTROY)
            wnd->Detach();
        delete wnd;
        return result;
    }
    if (message == WM_NCDESTROY) {
        wnd->Detach();
        wnd->PostNcDestroy();
    }
    return result;
}
