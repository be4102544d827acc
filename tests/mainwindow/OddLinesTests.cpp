// Lines a font or a pane meets rarely, opened in the real window: shown, painted and walked with the keys.
#include "MainWindowFixture.h"
#include "pane/CNewEdit.h"
#include "tests/support/windows/MessagePump.h"

#include <string>

namespace {

class OddLines : public MainWindowFixture {};

std::string Repeated(const std::string& unit, int times)
{
    std::string text;
    text.reserve(unit.size() * static_cast<size_t>(times));
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

TEST_F(OddLines, NulBytesTabsAndCharactersNoFontHasAreShownPaintedAndWalked)
{
    constexpr int kCharacters = 300000;
    const struct {
        const char* what;
        std::string line;

    } cases[] = {
        {"zero bytes, shown as spaces", Repeated(std::string(1, '\0'), kCharacters)},
        {"CJK characters", Repeated("\xE4\xB8\xAD", kCharacters)},
        {"tabs", Repeated("\t", kCharacters)},
        // U+10FFFD, a private-use character of the last plane that no font draws.
        {"characters no font has", Repeated("\xF4\x8F\xBF\xBD", kCharacters)},
        {"a tab between characters no font has", Repeated("\xF4\x8F\xBF\xBD\t", kCharacters / 2)},
    };
    // Zero bytes make a file binary unless it is compared as text.
    settings.options.forceText = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        CTandrelDialog& d = Open(WriteFile("left.txt", c.line + "\n"), WriteFile("right.txt", c.line + "x\n"));
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
        CNewEdit& pane = LeftTextPane(d);
        EXPECT_EQ(pane.MaxLineLength(), kCharacters + 1) << "the panes share the longer line's extent";
        ::SetForegroundWindow(d.m_hWnd);
        pane.SetFocus();
        for (UINT key : {VK_END, VK_HOME, VK_END}) {
            pane.SendMessage(WM_KEYDOWN, key, 0);
            PumpMessages();
            ::UpdateWindow(d.m_hWnd);
            ::UpdateWindow(pane.m_hWnd);
            RECT pending{};
            EXPECT_FALSE(::GetUpdateRect(pane.m_hWnd, &pending, FALSE)) << "the pane painted what it was asked to";
        }
        const std::string columns = std::to_string(kCharacters + 1);
        EXPECT_EQ(StatusText(1), "Ln 1, Col " + columns);
        const POINT caret = pane.GetCaretPoint();
        RECT client{};
        ::GetClientRect(pane.m_hWnd, &client);
        EXPECT_TRUE(caret.x >= 0 && caret.x < client.right) << "the caret is in view: " << caret.x;
        Close();
    }
}

}  // namespace
