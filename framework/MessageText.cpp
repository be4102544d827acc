#include "framework/MessageText.h"

#include "framework/GdiObject.h"
#include "framework/ObjectSelection.h"
#include "framework/WideString.h"

#include <windows.h>

namespace {

// Measures texts in the font the system's message boxes use.
class MessageFontMeasure {
public:
    MessageFontMeasure() : m_dc(::CreateCompatibleDC(nullptr))
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            m_font.Reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    }
    ~MessageFontMeasure()
    {
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    MessageFontMeasure(const MessageFontMeasure&) = delete;
    MessageFontMeasure& operator=(const MessageFontMeasure&) = delete;

    int Width(const wchar_t* text, size_t length) const
    {
        if (!m_dc)
            return 0;
        ObjectSelection font(m_dc, m_font ? static_cast<HGDIOBJ>(m_font) : ::GetStockObject(DEFAULT_GUI_FONT));
        SIZE size{};
        ::GetTextExtentPoint32W(m_dc, text, static_cast<int>(length), &size);
        return size.cx;
    }

private:
    HDC m_dc;
    GdiObject<HFONT> m_font;
};

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\n' || c == L'\r' || c == L'\t';
}

std::string ToProcessCodePage(const std::wstring& wide)
{
    const int size = static_cast<int>(wide.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &text[0], bytes, nullptr, nullptr);
    return text;
}

// Where the line that starts at `start` of a run ending at `end` is full: after its last
// separator that keeps it within the width, else before the first character that does not fit.
size_t LineEnd(const std::wstring& text, size_t start, size_t end, const MessageFontMeasure& measure)
{
    size_t fits = start + 1;  // one character a line at least, however wide
    while (fits < end && measure.Width(&text[start], fits + 1 - start) <= MessageText::kWidestLine)
        ++fits;
    if (fits == end)
        return end;
    for (size_t at = fits; at > start + 1; --at) {
        if (text[at - 1] == L'\\' || text[at - 1] == L'/')
            return at;
    }
    // A surrogate pair stays whole.
    if (IS_LOW_SURROGATE(text[fits]) && fits > start + 1)
        --fits;
    return fits;
}

}  // namespace

std::string MessageText::Fit(const std::string& text)
{
    const std::wstring wide = WideString::FromProcessCodePage(text);
    const MessageFontMeasure measure;
    if (wide.empty() || measure.Width(wide.data(), wide.size()) <= kWidestLine)
        return text;
    std::wstring fitted;
    size_t at = 0;
    while (at < wide.size()) {
        size_t runEnd = at;
        while (runEnd < wide.size() && !IsBlank(wide[runEnd]))
            ++runEnd;
        for (size_t start = at; start < runEnd;) {
            const size_t end = LineEnd(wide, start, runEnd, measure);
            fitted.append(wide, start, end - start);
            if (end < runEnd)
                fitted += L'\n';
            start = end;
        }
        for (at = runEnd; at < wide.size() && IsBlank(wide[at]); ++at)
            fitted += wide[at];
    }
    return ToProcessCodePage(fitted);
}
