#include "PaneHarness.h"

#include "framework/CBeep.h"
#include "framework/GdiObject.h"
#include "pane/NewEditMessages.h"

namespace {
int g_beeps = 0;
void CountBeep()
{
    ++g_beeps;
}
}  // namespace

PaneHarness::PaneHarness(int columns, int lines, DWORD style)
{
    CBeep::SetHandler(CountBeep);
    g_beeps = 0;
    parent_.CreateEx(0, nullptr, "pane test", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 900, 700,
                     nullptr, nullptr);
    sink_.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 0, 600, 10, 10, parent_.m_hWnd, nullptr);
    // The default font is measured after creation: size the pane once it is known.
    pane_.Create(WS_VISIBLE | style, RECT{0, 0, 100, 100}, parent_.m_hWnd, 100);
    int width = columns * CharWidth();
    int height = lines * LineHeight();
    if (style & WS_VSCROLL)
        width += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        height += GetSystemMetrics(SM_CYHSCROLL);
    pane_.MoveWindow(0, 0, width, height, TRUE);
    DropNotifications();
}

PaneHarness::~PaneHarness()
{
    pane_.DestroyWindow();
    parent_.DestroyWindow();
    CBeep::SetHandler(nullptr);
}

int PaneHarness::LineHeight() const
{
    return pane_.GetLineHeight();
}

int PaneHarness::CharWidth() const
{
    return pane_.GetAverageCharWidth();
}

void PaneHarness::SetText(const std::string& text)
{
    pane_.SetText(text.data(), static_cast<int>(text.size()));
}

void PaneHarness::Key(UINT key, std::vector<int> modifiers)
{
    BYTE state[256] = {};
    for (int modifier : modifiers)
        state[modifier] = 0x80;
    SetKeyboardState(state);
    pane_.SendMessage(WM_KEYDOWN, key, 1);
    BYTE none[256] = {};
    SetKeyboardState(none);
}

void PaneHarness::Mouse(UINT message, int x, int y, WPARAM keys)
{
    pane_.SendMessage(message, keys, MAKELPARAM(x, y));
}

void PaneHarness::Focus()
{
    ::SetFocus(pane_.m_hWnd);
}

void PaneHarness::Unfocus()
{
    ::SetFocus(sink_.m_hWnd);
}

std::vector<PaneHarness::Notice> PaneHarness::Take(UINT message)
{
    std::vector<Notice> notices;
    MSG msg;
    while (PeekMessageA(&msg, parent_.m_hWnd, message, message, PM_REMOVE))
        notices.push_back(Notice{msg.wParam, msg.lParam});
    return notices;
}

void PaneHarness::DropNotifications()
{
    Take(NewEditMessages::CaretMove());
    Take(NewEditMessages::VScroll());
    Take(NewEditMessages::HScroll());
    Take(NewEditMessages::SetFocus());
}

int PaneHarness::CaretLine()
{
    int line = 0;
    int column = 0;
    pane_.GetCaretLineColumn(line, column);
    return line;
}

int PaneHarness::CaretColumn()
{
    int line = 0;
    int column = 0;
    pane_.GetCaretLineColumn(line, column);
    return column;
}

int PaneHarness::TakeBeeps()
{
    const int beeps = g_beeps;
    g_beeps = 0;
    return beeps;
}

namespace {

RECT ClientOf(CNewEdit& pane)
{
    RECT client{};
    pane.GetClientRect(&client);
    return client;
}

}  // namespace

PanePicture::PanePicture(CNewEdit& pane, COLORREF ground)
{
    const RECT client = ClientOf(pane);
    width_ = client.right;
    height_ = client.bottom;
    probe_ = std::make_unique<PixelProbe>(width_, height_);
    probe_->Draw([&](HDC dc) {
        GdiBrush brush(CreateSolidBrush(ground));
        FillRect(dc, &client, brush);
        pane.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

PanePicture PanePicture::OfWindow(CNewEdit& pane)
{
    PanePicture picture;
    const RECT client = ClientOf(pane);
    picture.width_ = client.right;
    picture.height_ = client.bottom;
    picture.probe_ = std::make_unique<PixelProbe>(picture.width_, picture.height_);
    picture.probe_->CaptureClient(pane.m_hWnd);
    return picture;
}

COLORREF PanePicture::At(int x, int y) const
{
    return probe_->At(x, y);
}
