// VisibleRowMarks: the marks inside changed rows, set on the panes as the rows come into view.
#pragma once

#include "engine/ComparisonState.h"
#include "engine/LineRules.h"
#include "engine/MessageSink.h"
#include "pane/CNewEdit.h"
#include "pane/PaneLinePreparer.h"

#include <vector>

// Marking every changed row at once costs a few microseconds a row pair: seconds
// on a pair of big files that differ on every line. The panes ask for the rows
// they are about to paint instead, and each pair is marked once, when it first shows.
class VisibleRowMarks : public PaneLinePreparer {
public:
    VisibleRowMarks(CNewEdit& left, CNewEdit& right) : left_(left), right_(right) {}
    ~VisibleRowMarks() { Stop(); }
    VisibleRowMarks(const VisibleRowMarks&) = delete;
    VisibleRowMarks& operator=(const VisibleRowMarks&) = delete;

    // The panes hold the comparison's rows coloured by difference alone: from
    // now on they get the marks of `state` in `colour` as their rows show.
    // `state` and `messages` outlive the marks, or Stop comes first.
    void Start(const ComparisonState& state, const LineRules& rules, COLORREF colour, MessageSink& messages);
    // No more marks; those set stay until the panes are coloured anew.
    void Stop();

    void PrepareLines(int firstLine, int lastLine) override;

private:
    CNewEdit& left_;
    CNewEdit& right_;
    const ComparisonState* state_ = nullptr;
    MessageSink* messages_ = nullptr;
    LineRules rules_;
    COLORREF colour_ = 0;
    // A flag a display row: the pair on that row is marked.
    std::vector<bool> done_;
};
