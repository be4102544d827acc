// OptionValues: the settings a person edits in the Options dialog, as plain data.
#pragma once

#include "engine/CompareOptions.h"

#include <windows.h>

#include <string>

// The tab sizes the Options dialog accepts and the panes draw with.
constexpr int kSmallestTabSize = 1;
constexpr int kLargestTabSize = 32;

struct OptionValues {
    OptionValues();

    int tabSize;
    CompareOptions options;
    int showLineNumbers;
    // The difference map beside the panes.
    int showDifferenceMap;
    // The pane font; members not persisted stay 0. The face is at most 31 characters.
    LOGFONTA font;
    COLORREF addedColor;
    COLORREF deletedColor;
    COLORREF changedColor;
    COLORREF diffBackgroundColor;
    // The characters that differ inside changed rows get a background of their own.
    int showInlineDifferences;
    COLORREF inlineDiffColor;
    std::string editor;
};

// Puts face into font's face name, cut to the 31 characters the name holds.
void SetFontFace(LOGFONTA& font, const std::string& face);
