// CMainToolbar: the main window's flat toolbar: its 22 buttons on bitmap 139 and their tooltips.
#pragma once

#include "framework/CToolBarCtrl.h"
#include "framework/CToolTipCtrl.h"

#include <utility>
#include <vector>

class CMainToolbar : public CToolBarCtrl {
public:
    struct ButtonSpec {
        int image;  // -1 for a separator
        UINT command;  // 0 for a separator
    };
    // Position order of the buttons.
    static const std::vector<ButtonSpec>& Buttons();

    BOOL Create(HWND parent, UINT id);
    // One tool per button over its rectangle; the tooltip text is the string of the command's id.
    void CreateToolTips();
    void ApplyStates(const std::vector<std::pair<UINT, bool>>& states);
    CToolTipCtrl& ToolTips() { return toolTips_; }

private:
    CToolTipCtrl toolTips_;
};
