// PaneText: the text of a pane as one string of lines, each followed by one '\n', and its line table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How the bytes of a text become characters, decided once for each text.
enum class TextKind {
    Ascii,  // no byte above 0x7F: every byte is one character
    Utf8,  // valid UTF-8 with characters beyond ASCII
    Legacy  // not valid UTF-8: each byte is a character of the legacy code page
};

struct LineSpan {
    int32_t start = 0;  // position of the line's first byte
    int32_t length = 0;  // bytes of the line, its break not counted
};

class PaneText {
public:
    // Replaces the text. Lines end at "\r\n" or '\n'; a lone '\r' is an ordinary
    // byte, so the line count (the '\n' bytes plus one) and the split agree.
    // The buffer ends at `length` or at its first NUL byte, whichever comes first.
    // A length of 0 empties the text but keeps the old line table.
    // Throws std::bad_alloc and then leaves the previous text untouched.
    void SetText(const char* buffer, int32_t length);
    // The same for a whole string, taken over without a copy: the CRs of its
    // line breaks are stripped and a NUL cut in place. `text` is left empty,
    // its memory freed, so that the text is never held twice.
    void SetText(std::string&& text);

    // Takes over the text and line table of `prepared`, a PaneText that set
    // its text apart (on another thread), as if SetText had been called here;
    // `prepared` is left cleared.
    void TakeOver(PaneText&& prepared);

    // Frees the text and the line table.
    void Clear();

    bool Empty() const { return length_ == 0; }
    int32_t Length() const { return length_; }
    int32_t LineCount() const { return Empty() ? 0 : static_cast<int32_t>(lines_.size()); }
    // The longest line in characters.
    int32_t MaxLineLength() const { return maxLineLength_; }
    // The owner may widen the horizontal extent so that two panes share one.
    void SetMaxLineLength(int32_t columns) { maxLineLength_ = columns; }
    const char* Data() const { return text_.data(); }
    const std::vector<LineSpan>& Lines() const { return lines_; }
    const LineSpan& Line(int32_t index) const { return lines_[static_cast<size_t>(index)]; }

    TextKind Kind() const { return kind_; }
    // Changes with every new text, so that what was derived from the old one is known stale.
    uint64_t Version() const { return version_; }

    // The byte at a position, or 0 outside the text and at every line break.
    char CharAt(int32_t position) const;
    // The character that starts at p, of which `available` bytes may be read,
    // and the bytes it takes (at least 1 while available > 0).
    static int32_t CharacterAt(TextKind kind, const char* p, int32_t available, uint32_t& character);
    // The position after the character at `position`.
    int32_t NextCharacter(int32_t position) const;
    // The first byte of the character that holds `position`.
    int32_t CharacterStart(int32_t position) const;
    // The characters in the first `bytes` bytes of a line.
    int32_t CountCharacters(const char* line, int32_t bytes) const;
    // The bytes of a line taken by its first `characters` characters, at most `length`.
    int32_t BytesOfCharacters(const char* line, int32_t length, int32_t characters) const;
    // The last line whose start is <= position; negative positions give line 0.
    int32_t LineFromPosition(int32_t position) const;

private:
    std::string text_;
    std::vector<LineSpan> lines_;
    int32_t length_ = 0;
    int32_t maxLineLength_ = 0;
    TextKind kind_ = TextKind::Ascii;
    uint64_t version_ = 0;

    // Decides the kind of the new text, which holds bytes above 0x7F only when
    // `beyondAscii` says so, and counts its longest line in characters.
    void Classify(bool beyondAscii);
};
