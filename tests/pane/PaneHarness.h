// PaneHarness: a real top-level window holding one CNewEdit, with helpers to drive it by messages and read it back.
#pragma once

#include "framework/CWnd.h"
#include "pane/CNewEdit.h"
#include "tests/support/windows/PixelProbe.h"

#include <memory>
#include <string>
#include <vector>

class PaneHarness {
public:
    // A pane of `columns` x `lines` character cells of the default font; the
    // scroll-bar styles in `style` make the client area smaller when they show.
    explicit PaneHarness(int columns = 40, int lines = 10, DWORD style = 0);
    ~PaneHarness();
    PaneHarness(const PaneHarness&) = delete;
    PaneHarness& operator=(const PaneHarness&) = delete;

    CNewEdit& Pane() { return pane_; }
    HWND Parent() const { return parent_.m_hWnd; }
    int LineHeight() const;
    int CharWidth() const;

    void SetText(const std::string& text);
    // Key down with the given modifiers held (VK_SHIFT, VK_CONTROL).
    void Key(UINT key, std::vector<int> modifiers = {});
    void Mouse(UINT message, int x, int y, WPARAM keys = 0);
    void Focus();
    void Unfocus();

    struct Notice {
        WPARAM wParam;
        LPARAM lParam;
    };
    // Removes and returns the posted notifications of one kind.
    std::vector<Notice> Take(UINT message);
    void DropNotifications();

    int CaretLine();
    int CaretColumn();
    // Beeps heard since the last call.
    static int TakeBeeps();

private:
    CWnd parent_;
    CWnd sink_;  // takes the focus away from the pane
    CNewEdit pane_;
};

// The client area of a pane rendered through WM_PRINTCLIENT, read back by a PixelProbe.
class PanePicture {
public:
    // The bitmap starts filled with `ground`, so unpainted pixels keep it.
    PanePicture(CNewEdit& pane, COLORREF ground = RGB(1, 2, 3));
    // What the pane's window shows now, copied from its client device context.
    static PanePicture OfWindow(CNewEdit& pane);
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    PanePicture() = default;

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<PixelProbe> probe_;
};
