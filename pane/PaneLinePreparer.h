// PaneLinePreparer: what a pane asks of its owner before it paints lines.
#pragma once

// Colours worked out for the lines a person sees, not for every line of a
// big text: the pane hands the lines it is about to paint to its preparer,
// which may set their colour runs (of this pane or others) before they are drawn.
class PaneLinePreparer {
public:
    // Lines [firstLine, lastLine] of the pane are about to be painted.
    virtual void PrepareLines(int firstLine, int lastLine) = 0;

protected:
    ~PaneLinePreparer() = default;
};
