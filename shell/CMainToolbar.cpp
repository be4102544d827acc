#include "shell/CMainToolbar.h"

#include "resources/resource.h"

namespace {

const int kImageCount = 22;  // what the toolbar is told; the strip holds 17
const SIZE kImageSize{16, 15};

}  // namespace

const std::vector<CMainToolbar::ButtonSpec>& CMainToolbar::Buttons()
{
    static const std::vector<ButtonSpec> buttons = {
        {0, ID_COMPARE_NEW_PAIR},
        {1, ID_RECOMPARE},
        {2, ID_EDIT_LEFT_FILE},
        {3, ID_EDIT_RIGHT_FILE},
        {4, ID_SAVE_DIFF},
        {-1, 0},
        {5, ID_SHOW_LEFT_FILE},
        {6, ID_SHOW_RIGHT_FILE},
        {7, ID_SHOW_BOTH_FILES},
        {-1, 0},
        {8, ID_PREVIOUS_DIFFERENCE},
        {9, ID_CURRENT_DIFFERENCE},
        {10, ID_NEXT_DIFFERENCE},
        {-1, 0},
        {11, ID_FIND},
        {12, ID_FIND_NEXT},
        {13, ID_FIND_PREVIOUS},
        {-1, 0},
        {14, ID_SET_OPTIONS},
        {-1, 0},
        {15, ID_EXIT},
        {16, ID_ABOUT},
    };
    return buttons;
}

BOOL CMainToolbar::Create(HWND parent, UINT id)
{
    if (!CToolBarCtrl::Create(WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN, parent, id))
        return FALSE;
    AddBitmap(kImageCount, ::GetModuleHandleA(nullptr), IDB_TOOLBAR, kImageSize);
    std::vector<TBBUTTON> buttons;
    for (const ButtonSpec& spec : Buttons()) {
        TBBUTTON b{};
        b.iBitmap = spec.image < 0 ? 0 : spec.image;
        b.idCommand = static_cast<int>(spec.command);
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = spec.image < 0 ? BTNS_SEP : BTNS_BUTTON;
        buttons.push_back(b);
    }
    return AddButtons(buttons);
}

void CMainToolbar::CreateToolTips()
{
    if (!toolTips_.m_hWnd && !toolTips_.Create(m_hWnd))
        return;
    const std::vector<ButtonSpec>& specs = Buttons();
    for (int i = 0; i < static_cast<int>(specs.size()); ++i) {
        if (specs[i].command == 0)
            continue;
        RECT rect{};
        GetItemRect(i, rect);
        toolTips_.AddTool(m_hWnd, MAKEINTRESOURCEA(specs[i].command), rect, specs[i].command);
    }
    SetToolTips(toolTips_.m_hWnd);
}

void CMainToolbar::ApplyStates(const std::vector<std::pair<UINT, bool>>& states)
{
    for (const auto& [command, enabled] : states)
        EnableButton(command, enabled);
}
