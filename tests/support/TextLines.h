// TextLines: a file's text as the platform's text mode delivers it, and its lines, written apart from the engine.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

// The text as the platform's text mode delivers it: nothing from the first
// 0x1A on, CR LF as LF.
inline std::string Translated(const std::string& raw)
{
    std::string cut = raw.substr(0, raw.find('\x1a'));
    std::string out;
    for (size_t i = 0; i < cut.size(); ++i) {
        if (!(cut[i] == '\r' && i + 1 < cut.size() && cut[i + 1] == '\n'))
            out += cut[i];
    }
    return out;
}

// The lines of a text with their line feeds; a last line without one stays
// as it is.
inline std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// Lines "<prefix>first" .. "<prefix>last", each ending in a line feed.
inline std::string NumberedLines(const std::string& prefix, int first, int last)
{
    std::string text;
    for (int i = first; i <= last; ++i)
        text += prefix + std::to_string(i) + "\n";
    return text;
}

// NumberedLines with the numbers in `changed` spelled "<changedPrefix><number>" instead.
inline std::string NumberedLinesExcept(const std::string& prefix, int first, int last, const std::vector<int>& changed,
                                       const std::string& changedPrefix)
{
    std::string text;
    for (int i = first; i <= last; ++i) {
        const bool isChanged = std::find(changed.begin(), changed.end(), i) != changed.end();
        text += (isChanged ? changedPrefix : prefix) + std::to_string(i) + "\n";
    }
    return text;
}
