// DifferenceMapListener: what the difference map asks of the window that owns it.
#pragma once

class DifferenceMapListener {
public:
    // A click on a difference's mark: it becomes the current difference.
    virtual void OnMapDifferenceChosen(int diff) = 0;
    // A click beside the marks, or a drag: the display row under the pointer goes to the middle of the view.
    virtual void OnMapRowChosen(int row) = 0;
    // The wheel turned over the map: scroll the panes by lines (positive: down).
    virtual void OnMapWheel(int lines) = 0;

protected:
    ~DifferenceMapListener() = default;
};
