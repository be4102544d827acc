// SplitterDragListener: the main window's side of a finished splitter drag.
#pragma once

class SplitterDragListener {
public:
    // Called after the user released the splitter bar, with the new column widths.
    virtual void OnSplitterDragEnded(int column0Width, int column1Width) = 0;

protected:
    ~SplitterDragListener() = default;
};
