// CAreaTips: the tooltips of areas of a window that are not windows of their own: one tool follows the mouse over them.
#pragma once

#include "framework/CToolTipCtrl.h"

#include <functional>
#include <string>

class CAreaTips {
public:
    // The tool of the area at a point of the owner's client area (0: none), and the text a tool shows.
    using ToolAt = std::function<UINT_PTR(POINT)>;
    using TipText = std::function<std::string(UINT_PTR)>;

    CAreaTips() = default;
    CAreaTips(const CAreaTips&) = delete;
    CAreaTips& operator=(const CAreaTips&) = delete;

    BOOL Create(HWND owner, ToolAt toolAt, TipText tipText);
    // Hands a mouse message of the owner or one of its children to the control.
    void Relay(const MSG& msg);
    // Answers the control's request for a tool's text; false when the notification is not the control's.
    bool OnNotify(NMHDR& header);

private:
    CToolTipCtrl tips_;
    HWND owner_ = nullptr;
    ToolAt toolAt_;
    TipText tipText_;
    UINT_PTR currentTool_ = 0;
    // The control copies the text before it asks again.
    std::string shownText_;
};
