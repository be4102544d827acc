// CNewEdit: searching the text, and giving the selection away by the clipboard and by dragging.
#include "pane/CNewEdit.h"

#include "framework/COleDataSource.h"
#include "framework/CSharedFile.h"
#include "framework/CWaitCursor.h"
#include "engine/CaseFolding.h"
#include "engine/Utf8.h"
#include "pane/WideText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Upper-case forms of all bytes under the active code page.
std::array<unsigned char, 256> UpperCaseTable()
{
    std::array<unsigned char, 256> table{};
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<unsigned char>(i);
    CharUpperBuffA(reinterpret_cast<LPSTR>(table.data() + 1), static_cast<DWORD>(table.size() - 1));
    return table;
}

// Our reference to a data source, given back on every path; the clipboard or
// the drag loop holds its own while it needs the source.
struct ReleaseSource {
    void operator()(COleDataSource* source) const { source->Release(); }
};
using SourceReference = std::unique_ptr<COleDataSource, ReleaseSource>;

// The characters of the text searched for, which comes in the process's code
// page (UTF-8 with the program's manifest, the system's on an older Windows);
// a byte that is no character there stands for U+FFFD, as it would in the pane.
std::vector<uint32_t> SoughtCharacters(const char* text, bool matchCase)
{
    const int size = static_cast<int>(std::strlen(text));
    std::wstring units(static_cast<size_t>(size), L'\0');
    units.resize(static_cast<size_t>(std::max(0, MultiByteToWideChar(CP_ACP, 0, text, size, &units[0], size))));
    std::vector<uint32_t> characters;
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t character = units[i];
        const bool pair = character >= 0xD800 && character < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00
                          && units[i + 1] < 0xE000;
        if (pair)
            character = 0x10000 + ((character - 0xD800) << 10) + (units[++i] - 0xDC00);
        else if (character >= 0xD800 && character < 0xE000)
            character = kReplacementCharacter;
        characters.push_back(matchCase ? character : FoldCase(character));
    }
    return characters;
}

}  // namespace

int CNewEdit::Find(const char* text, int forward, int matchCase)
{
    if (text_.Empty() || text == nullptr || *text == '\0')
        return 0;
    const int n = text_.Length();
    const char* data = text_.Data();
    int lo = 0;
    int hi = 0;
    GetSelectionBounds(lo, hi);
    int start = forward ? hi : lo;
    if (!forward && start == 0)
        return 0;

    CWaitCursor wait;
    if (text_.Kind() != TextKind::Ascii)
        return FindCharacters(text, forward != 0, matchCase != 0, lo, hi);
    if (!forward)
        start = static_cast<int>(CharPrevA(data, data + start) - data);
    const int length = static_cast<int>(std::strlen(text));
    if (start + length - 1 >= n) {
        if (forward || n < length)
            return 0;
        start = n - length;
    }

    // The locale-aware comparison decides; a candidate whose bytes differ even
    // after case folding cannot compare equal and is ruled out without asking it.
    const DWORD flags = matchCase ? 0 : NORM_IGNORECASE;
    const auto upper = UpperCaseTable();
    const auto fold = [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return matchCase ? byte : upper[byte];
    };
    const auto bytesAgree = [&](const char* candidate) {
        for (int i = 0; i < length; ++i)
            if (fold(candidate[i]) != fold(text[i]))
                return false;
        return true;
    };
    const int step = forward ? 1 : -1;
    const int stop = forward ? n - length + 1 : -1;
    for (int p = start; p != stop; p += step) {
        if (!bytesAgree(data + p))
            continue;
        if (CompareStringA(LOCALE_USER_DEFAULT, flags, data + p, length, text, length) != CSTR_EQUAL)
            continue;
        SetSelection(p, p);
        SetSelection(p + length, p + length);
        SetSelection(p, p + length);
        return 1;
    }
    return 0;
}

int CNewEdit::FindCharacters(const char* text, bool forward, bool matchCase, int lo, int hi)
{
    const std::vector<uint32_t> sought = SoughtCharacters(text, matchCase);
    const TextKind kind = text_.Kind();
    const char* data = text_.Data();
    const int n = text_.Length();
    // ASCII bytes, most of any text, are folded by a table and need no decoding.
    std::array<uint32_t, 128> asciiFold{};
    for (uint32_t b = 0; b < asciiFold.size(); ++b)
        asciiFold[b] = matchCase ? b : FoldCase(b);
    // The end of a match that starts at p (a character's first byte), or -1.
    const auto matchEnd = [&](int p) {
        for (const uint32_t wanted : sought) {
            if (p >= n)
                return -1;
            const auto byte = static_cast<unsigned char>(data[p]);
            if (byte < 0x80) {
                if (asciiFold[byte] != wanted)
                    return -1;
                ++p;
                continue;
            }
            uint32_t character = 0;
            p += PaneText::CharacterAt(kind, data + p, n - p, character);
            if ((matchCase ? character : FoldCase(character)) != wanted)
                return -1;
        }
        return p;
    };
    int p = forward ? hi : lo;
    int end = -1;
    while (end < 0) {
        if (forward && p >= n)
            return 0;
        if (!forward) {
            if (p <= 0)
                return 0;
            p = text_.CharacterStart(p - 1);
        }
        end = matchEnd(p);
        if (forward && end < 0)
            p = static_cast<unsigned char>(data[p]) < 0x80 ? p + 1 : text_.NextCharacter(p);
    }
    SetSelection(p, p);
    SetSelection(end, end);
    SetSelection(p, end);
    return 1;
}

std::string CNewEdit::GetSelectedText() const
{
    if (text_.Empty() || anchor_ == -1 || end_ == -1 || anchor_ == end_)
        return std::string();
    const int lo = std::min(anchor_, end_);
    const int hi = std::max(anchor_, end_);
    return std::string(text_.Data() + lo, static_cast<size_t>(hi - lo));
}

HGLOBAL CNewEdit::MakeTextBlock() const
{
    const std::string selected = GetSelectedText();
    CSharedFile file;
    size_t from = 0;
    for (size_t at = selected.find('\n'); at != std::string::npos; at = selected.find('\n', from)) {
        file.Write(selected.data() + from, at - from);
        file.Write("\r\n", 2);
        from = at + 1;
    }
    file.Write(selected.data() + from, selected.size() - from);
    file.Write("", 1);
    return file.Detach();
}

HGLOBAL CNewEdit::MakeUnicodeBlock() const
{
    const std::string selected = GetSelectedText();
    const std::wstring wide =
        WideText::FromPaneBytes(text_.Kind(), selected.data(), static_cast<int32_t>(selected.size()));
    CSharedFile file;
    file.Write(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    return file.Detach();
}

// CF_TEXT keeps the pane's own bytes, as programs that read only that format
// have always had them; a reader that wants the characters takes
// CF_UNICODETEXT, which says the same whatever code page either side runs in.
// Offering both stops the system from making one out of the other.
void CNewEdit::CopySelection()
{
    if (text_.Empty())
        return;
    const SourceReference source(new COleDataSource);
    source->CacheGlobalData(CF_TEXT, MakeTextBlock());
    source->CacheGlobalData(CF_UNICODETEXT, MakeUnicodeBlock());
    source->SetClipboard();
}

// Offers the selection for dragging; a drag that drops nothing (a plain
// click included) places the caret at the point instead.
void CNewEdit::DragSelection(POINT point, int position)
{
    DWORD effect = DROPEFFECT_NONE;
    {
        const SourceReference source(new COleDataSource);
        source->CacheGlobalData(CF_TEXT, MakeTextBlock());
        source->CacheGlobalData(CF_UNICODETEXT, MakeUnicodeBlock());
        effect = source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_SCROLL);
    }
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    if (effect == DROPEFFECT_NONE)
        PlaceCaretAndAnchor(point, position);
}
