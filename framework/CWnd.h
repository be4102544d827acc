// CWnd: a window object bound to one window handle, with the one window procedure all framework windows share.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The framework object attached to a window of this thread, or nullptr for a
    // window no object owns (the lookup never leaves the thread).
    static CWnd* FromHandlePermanent(HWND hwnd);

    // Registers a window class whose procedure is the framework's; true also when it already exists.
    static bool RegisterWindowClass(LPCSTR className, UINT classStyle = CS_DBLCLKS, HCURSOR cursor = nullptr,
                                    HBRUSH background = nullptr, HICON icon = nullptr);
    // Creates the window. A class registered through RegisterWindowClass (or nullptr, the
    // framework's plain class) sees every message from WM_NCCREATE on; any other class is
    // subclassed right after creation.
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width, int height,
                  HWND parent, HMENU menuOrId);
    BOOL DestroyWindow();
    // Attaches the object to an existing window and routes its messages through WindowProc.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    static UINT RegisterMessage(LPCSTR name);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs);
    BOOL KillTimer(UINT_PTR id);

    HWND SetFocus();
    static HWND GetFocus();
    BOOL ShowWindow(int command);
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void UpdateWindow();
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    DWORD GetStyle() const;
    HWND GetParent() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    // The text of any window, as GetWindowText reads it.
    static std::string WindowTextOf(HWND hwnd);
    HWND GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    void SetFont(HFONT font, BOOL redraw = TRUE);

    // Deletes the object, which must have been made with new and have no other owner,
    // once no handler of it is on the stack: at once when none is, else when the
    // outermost one returns (a handler may run a nested message loop that asks for it).
    void DeleteWhenIdle();

    // Default handling of the message being processed.
    LRESULT Default();
    // Default handling of any message: the subclassed procedure, else the system's.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Unpacks a message into the typed OnXxx handler; one switch per class, ending in the base's.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND: true when the command was handled.
    virtual bool OnCommand(UINT id, UINT notifyCode, HWND control);
    // The last call an object gets for its window, after WM_NCDESTROY; may delete the object.
    virtual void PostNcDestroy() {}

    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Binds the object to its window (map entry and m_hWnd) without touching the procedure.
    void Attach(HWND hwnd);
    // Runs WindowProc for one message as the current one; exceptions stop here and are reported.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    void Detach();

    WNDPROC m_superProc = nullptr;
    Message m_current{0, 0, 0};
    int m_dispatchDepth = 0;  // handlers of this object on the stack
    bool m_deleteWhenIdle = false;
};
