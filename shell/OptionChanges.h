// OptionChanges: what the values chosen in the Options dialog ask of the main window.
#pragma once

#include "shell/AppSettings.h"

// The values the Options dialog edits that differ, grouped by what the window must do.
struct OptionChanges {
    bool tabSize = false;  // the text panes redraw with the new tab size
    bool comparison = false;  // blanks or case ignored otherwise: a new comparison
    bool lineNumbers = false;  // the gutters shown or hidden: the panes are laid out anew
    bool font = false;  // a new pane font: new metrics, then a new layout
    bool colours = false;  // the differences (and the marks inside changed rows) are coloured anew
    bool diffMap = false;  // the difference map shown or hidden: the window is laid out anew

    bool Relayout() const { return lineNumbers || font; }
};

// Which of the values the Options dialog edits differ between the stored and the chosen settings.
OptionChanges ChangedOptions(const OptionValues& stored, const OptionValues& chosen);

// Stores in `stored` every value the Options dialog edits, as chosen; the others stay.
void TakeOptions(AppSettings& stored, const OptionValues& chosen);
