// MessageText: a message's text shaped so that its box fits on a small screen.
#pragma once

#include <string>

class MessageText {
public:
    // The widest line, in pixels of the system's message font, that a box may need: with
    // its icon and margins the box then fits on a screen 1024 pixels wide.
    static constexpr int kWidestLine = 640;

    // The text with a line break put into every run without blanks (a long path) that is
    // wider than kWidestLine, after a backslash or slash where one falls in the line, else
    // where the line is full. The box wraps the blanks by itself. Nothing else changes:
    // without the breaks added, the text is the one given.
    static std::string Fit(const std::string& text);
};
