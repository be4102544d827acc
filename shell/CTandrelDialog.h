// CTandrelDialog: the main window: its children and layout, the compare flow that fills it, and navigation between differences.
#pragma once

#include "dialogs/CFindDialog.h"
#include "engine/CompareOptions.h"
#include "engine/ComparisonState.h"
#include "engine/MessageSink.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "framework/CStatusBarCtrl.h"
#include "framework/GdiObject.h"
#include "pane/CNewEdit.h"
#include "shell/CAreaTips.h"
#include "shell/CDifferenceMap.h"
#include "shell/CFileLabel.h"
#include "shell/CMainToolbar.h"
#include "shell/CTandrelDialogFrame.h"
#include "shell/ComparedFiles.h"
#include "shell/DifferenceMapListener.h"
#include "shell/MainLayout.h"
#include "shell/Navigation.h"
#include "shell/SplitterDragListener.h"
#include "shell/VisibleRowMarks.h"

#include <memory>
#include <string>

struct AppSettings;
struct OptionValues;
class CComparingDialog;
class StepTimes;

class CTandrelDialog : public CDialog, public SplitterDragListener, public DifferenceMapListener, public MessageSink {
public:
    explicit CTandrelDialog(AppSettings& settings);
    ~CTandrelDialog() override;

    // The paths to compare, also shown as the files' names.
    void SetPaths(const std::string& leftPath, const std::string& rightPath);
    void SetAutoStepSeconds(int seconds) { autoStepSeconds_ = seconds; }
    // A benchmark's recorder, on which the steps of opening a comparison mark
    // their ends while it is set; without one nothing is timed.
    void SetStepTimes(StepTimes* times) { stepTimes_ = times; }
    // The modal cycle: runs the window again as long as a handler asks for a new comparison.
    INT_PTR DoModal() override;

    // What Compare New Pair Of Files (and a dropped pair) does once it has two
    // names: they become the paths and the shown names, the options are taken,
    // both go to the top of the recent lists, and the window restarts.
    void StartNewComparison(const std::string& leftPath, const std::string& rightPath, const CompareOptions& options);
    // What Set Options does after OK: each value of `chosen` that the Options
    // dialog edits and that differs is stored and applied (a new comparison,
    // a new layout or new colours, as the value needs).
    void ApplyOptions(const OptionValues& chosen);

protected:
    // The engine's messages, shown in the application's message box.
    void ShowMessage(const std::string& text) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override;
    void OnCancel() override;
    void OnSplitterDragEnded(int column0Width, int column1Width) override;
    void OnMapDifferenceChosen(int diff) override;
    void OnMapRowChosen(int row) override;
    void OnMapWheel(int lines) override;

private:
    static constexpr UINT_PTR kAutoStepTimer = 1;
    // Tool id of the current-difference marker among the window's area tooltips.
    static constexpr UINT_PTR kMarkerTool = 0xFFFE;
    // Posted to itself after a search the Find dialog asked for: the dialog takes the keyboard back.
    static constexpr UINT kReturnToFindDialogMessage = WM_USER + 6;

    // The child windows and fonts of one window instance.
    struct Children {
        CTandrelDialogFrame frame;
        CNewEdit leftGutter, rightGutter, leftText, rightText;
        CFileLabel leftLabel, rightLabel;
        CStatic rule;
        CMainToolbar toolbar;
        CComboBox diffList;
        CStatusBarCtrl statusBar;
        CDifferenceMap diffMap;
        CAreaTips areaTips;
        VisibleRowMarks inlineMarks{leftText, rightText};
        GdiObject<HFONT> paneFont;
        HACCEL accelerators = nullptr;
        HICON icon = nullptr;
    };

    // What one window instance holds: a new instance replaces it whole.
    struct WindowState {
        std::unique_ptr<Children> children;
        ComparisonState comparison;
        // Until the comparison fails.
        bool comparedOK = true;
        // The engine reported an error: the window shows no outcome of a comparison.
        bool comparisonFailed = false;
        std::string leftInfo, rightInfo;
        bool initialised = false;
        bool splitApplied = false;
        bool userActed = false;
        int digitWidth = 0;
        int lineHeight = 0;
        HWND activePane = nullptr;
        std::string searchText;
        bool matchCase = false;
        // Deleted through ForgetFindDialog: a handler of its own may be running.
        std::unique_ptr<CFindDialog> findDialog;
        bool nextDropIsRight = false;
        // The compared files on disk, and a change being told (activation comes again when its box closes).
        ComparedFiles comparedFiles;
        bool tellingDiskChange = false;
        LayoutRects rects{};
        RECT markerRect{};
    };

    // ---- Window creation and initialisation (CTandrelDialog.cpp)
    // Creation: the children, the font and the comparison; false when the children cannot be made.
    bool CreateAndCompare();
    // Initialisation: placement, icon, status bar, layout, the result, the view and the timer.
    void ShowOutcome();
    void ResetWindowState();
    bool CreateChildren();
    void CreatePaneFont();
    // Gives the tab size in force to both text panes.
    void ApplyTabSize();
    void MeasureFont();
    void CreateStatusBar();
    void SetStatusParts();
    void ShowResult();
    void RestorePlacement();
    void OnDestroy();
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnTimer(UINT_PTR id);
    // The wheel reaches the window from the pane with the focus; over the map it is the map's.
    bool OnMouseWheel(int delta, UINT keys, POINT screenPoint);
    // Supplies the text of the window's area tooltips.
    LRESULT OnNotify(NMHDR& header);
    std::string LoadText(UINT id) const;

    // ---- Layout and views (CTandrelDialogLayout.cpp)
    void ComputeLayoutRects();
    void LayoutChildren(UINT sizeType);
    // Places gutters and text panes in the splitter cells; the cells' screen rectangles come back.
    void LayoutPanes(RECT& leftCell, RECT& rightCell);
    void UpdateToolbarState();
    bool MapShown() const;
    // The map's differences, colours and current difference, once a comparison has filled the panes.
    void ShowDifferencesOnMap();
    CDifferenceMap::Colours MapColours() const;
    // The rows the lead pane shows, as the map's frame.
    void UpdateMapFrame();
    // The text pane and gutter that lead: the right ones while the right file is shown alone.
    CNewEdit& LeadText();
    CNewEdit& LeadGutter();
    void SetColumn0(int width);
    void OnShowLeftFile();
    void OnShowRightFile();
    void OnShowBothFiles();
    // The rest of showing one file alone, once the splitter columns are set.
    void ShowSingleFile(CNewEdit& shown, CNewEdit& hidden);
    void UpdateLabelHighlight();
    void OnLabelClicked(HWND label);
    void SetupAreaTips();
    // Which area tooltip the mouse at a client point asks for (0: none).
    UINT_PTR AreaToolAt(POINT point);
    std::string AreaTipText(UINT_PTR toolId) const;

    // ---- Compare flow (CTandrelDialogCompare.cpp)
    // The outcome message of a binary comparison, the bytes compared when the sizes agree.
    std::string CompareBinary(bool leftBinary, bool rightBinary);
    void FillPanes();
    void FillDifferenceList();
    void OnRecompare();
    bool RunComparison();
    void ApplyDifferenceColours(CComparingDialog* comparing);
    // Gives the characters that differ inside changed rows their own background.
    static void PumpPendingMessages();
    // The date and size line shown as a file label's tooltip; empty for a file that is gone.
    static std::string FileInfoLine(const std::string& fileName);
    void OnCompareNewPair();
    // Ends this window instance; DoModal opens the next on the paths and settings in force.
    void Restart(bool keepPosition);
    void OnSetOptions();
    void OnAbout();

    // ---- Editor, dropped files and Save Diff (CTandrelDialogFiles.cpp)
    // Starts the editor command with path appended after a blank, as written; does not wait.
    void StartEditor(const std::string& path);
    // Asks for a file name and a type, and writes there the difference listing in file order
    // or the unified patch, as CR LF text.
    void SaveDiffReport();
    // The unified patch of the comparison on the files' own lines; false after a message
    // (a file changed since the comparison, or unreadable).
    bool UnifiedReport(std::string& patch);
    // Back in the window: a shown file that changed on disk since it was last told is told
    // of, once; a changed file may be compared again.
    void OnActivate(UINT state);
    // Tells the user of a change of a compared file; Yes to comparing again posts Re-Compare.
    void TellDiskChange(const ComparedFiles::Change& change);
    void OnEditFile(bool left);
    void OnSaveDiff();
    void OnDropFiles(HDROP drop);
    // One dropped file takes the next side in turn; the window then waits for Re-Compare.
    void TakeDroppedFile(const std::string& path);

    // ---- Navigation (CTandrelDialogNavigation.cpp)
    void GoToCurrentDifference();
    void ScrollToDisplayLine(int row, ScrollMode mode);
    CNewEdit* ActivePane();
    void OnNextDifference();
    void OnPreviousDifference();
    void OnDiffListSelect();
    void SelectListEntry();
    // A pane scrolled: the others follow where it is now. A notification may arrive after
    // its pane moved on again; following the position it carries would have two queued moves
    // make the panes scroll each other back and forth for ever.
    void OnPaneVScroll(HWND pane);
    void OnPaneHScroll(HWND pane);
    void OnPaneSetFocus(HWND pane);
    void OnPaneCaretMove(int row, int column);
    void Search(bool forward);
    void OnFind();
    void OnFindDialogFindNext(HWND sender, const FindRequest* request);
    void OnFindDialogClose(HWND sender);
    void ForgetFindDialog();
    void OnReturnToFindDialog();
    void KeepSelectionsShown(bool keep);
    bool IsOurFindDialog(HWND window) const;
    void DrawMarker(HDC dc);
    void InvalidateMarker();

    AppSettings& settings_;

    // Kept from one window instance to the next.
    std::string leftPath_, rightPath_;
    std::string leftName_, rightName_;
    bool restartRequested_ = false;
    bool keepPosition_ = false;
    int savedTopLine_ = 0;
    int currentDiff_ = 0;
    PaneView view_ = PaneView::Both;
    int autoStepSeconds_ = 0;
    StepTimes* stepTimes_ = nullptr;

    // The window instance on show.
    WindowState window_;
};
