// The main window's compare flow: binary or text comparison, pane texts, colours and the commands that start a new comparison.
#include "engine/PaneTexts.h"
#include "shell/CTandrelDialog.h"

#include "dialogs/CAboutDialog.h"
#include "dialogs/CCompareFilesDialog.h"
#include "dialogs/COptionsDialog.h"
#include "engine/BinaryFile.h"
#include "engine/BothSides.h"
#include "engine/DiffDescriptions.h"
#include "engine/PaneAlignment.h"
#include "engine/LineRules.h"
#include "engine/StepTimes.h"
#include "engine/TextComparison.h"
#include "framework/AppMessageBox.h"
#include "framework/CWaitCursor.h"
#include "framework/CWinApp.h"
#include "framework/ClientDC.h"
#include "framework/ObjectSelection.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "shell/CComparingDialog.h"
#include "shell/DifferenceColours.h"
#include "shell/MainWindowTexts.h"
#include "shell/OptionChanges.h"

#include <algorithm>
#include <cstdio>

namespace {

int64_t SizeOf(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// What a comparison may hold: the address space left to the program and the
// physical memory free now, so that an accepted comparison never makes the system page.
uint64_t AvailableMemory()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status))
        return UINT64_MAX;
    return std::min(status.ullAvailVirtual, status.ullAvailPhys);
}

bool FileSize(const std::string& path, int64_t& size)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    size = SizeOf(data);
    return true;
}

}  // namespace

void CTandrelDialog::PumpPendingMessages()
{
    MSG msg;
    // In Unicode form, as every loop of the program: characters beyond ASCII stay whole.
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit belongs to whoever runs the outer loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

bool CTandrelDialog::RunComparison()
{
    if (settings_.skipInitialCompare) {
        settings_.skipInitialCompare = false;
        return false;
    }
    PumpPendingMessages();
    MarkStep(stepTimes_, "window before the comparison");
    CComparingDialog comparing;
    comparing.Create("Comparing files...");
    auto wait = std::make_unique<CWaitCursor>();

    int leftBinary = 0;
    int rightBinary = 0;
    if (!settings_.options.forceText) {
        leftBinary = IsBinaryFile(leftPath_, *this);
        if (leftBinary >= 0)
            rightBinary = IsBinaryFile(rightPath_, *this);
        if (leftBinary < 0 || rightBinary < 0) {
            window_.comparisonFailed = true;  // the engine has shown the error
            return false;
        }
    }
    MarkStep(stepTimes_, "binary check");
    if (leftBinary || rightBinary) {
        // The byte comparison of two large files takes a while: the cursor stays busy until it is done.
        const std::string outcome = CompareBinary(leftBinary != 0, rightBinary != 0);
        wait.reset();
        AppMessageBox(outcome);
        return false;
    }

    const int result =
        CompareTextFiles(leftPath_, rightPath_, settings_.options.ignoreBlanks != 0, settings_.options.ignoreCase != 0,
                         window_.comparison, *this, AvailableMemory(), stepTimes_);
    if (result < 0) {
        window_.comparisonFailed = true;
        return false;
    }
    if (result == 0) {
        wait.reset();
        AppMessageBox(IdenticalFilesText(leftName_, rightName_));
    }
    AlignPanes(window_.comparison, *this);
    MarkStep(stepTimes_, "alignment");
    FillPanes();
    ApplyDifferenceColours(&comparing);
    MarkStep(stepTimes_, "colouring");
    return true;
}

std::string CTandrelDialog::CompareBinary(bool leftBinary, bool rightBinary)
{
    int64_t leftSize = 0, rightSize = 0;
    const bool sized = FileSize(leftPath_, leftSize) && FileSize(rightPath_, rightSize);
    // Files of different sizes differ without reading them; otherwise only a
    // confirmed difference counts, a read error having been shown by the engine.
    bool different = !sized || leftSize != rightSize;
    if (!different)
        different = BinaryFilesDiffer(leftPath_, rightPath_, leftSize, *this) == 1;
    return BinaryOutcomeText(leftBinary, rightBinary, different, leftName_, rightName_);
}

void CTandrelDialog::FillPanes()
{
    Children& c = *window_.children;
    PaneTexts texts;
    const bool built = BuildPaneTexts(window_.comparison, texts, *this);
    MarkStep(stepTimes_, "pane texts");
    // Each side's text and gutter are split into lines at once with the other
    // side's; the panes then take them over on the window's thread.
    std::string* const sources[2][2] = {{&texts.leftText, &texts.leftGutter}, {&texts.rightText, &texts.rightGutter}};
    PaneText prepared[2][2];
    OnBothSides([&](int side) {
        for (int pane = 0; pane < 2; ++pane)
            prepared[side][pane].SetText(std::move(*sources[side][pane]));
    });
    c.leftText.TakeText(std::move(prepared[0][0]));
    c.leftGutter.TakeText(std::move(prepared[0][1]));
    c.rightText.TakeText(std::move(prepared[1][0]));
    c.rightGutter.TakeText(std::move(prepared[1][1]));
    MarkStep(stepTimes_, "SetText of the four panes");
    // Both panes scroll alike: they share the longer extent, counted in
    // characters by the panes themselves (the engine counts bytes).
    const int sharedLength = std::max(c.leftText.MaxLineLength(), c.rightText.MaxLineLength());
    for (CNewEdit* pane : {&c.leftText, &c.rightText}) {
        if (sharedLength > pane->MaxLineLength()) {
            pane->SetMaxLineLength(sharedLength);
            pane->RecalcScrollBars();
        }
    }
    if (built)
        FillDifferenceList();
    MarkStep(stepTimes_, "difference list");
}

void CTandrelDialog::FillDifferenceList()
{
    CComboBox& list = window_.children->diffList;
    ClientDC dc(list.m_hWnd);
    ObjectSelection font(dc, reinterpret_cast<HFONT>(list.SendMessage(WM_GETFONT)));
    int widest = 0;
    for (const std::string& sentence :
         DescribeDifferences(window_.comparison.listing, window_.comparison.hunks.size())) {
        list.AddString(sentence);
        SIZE size{};
        ::GetTextExtentPoint32A(dc, sentence.c_str(), static_cast<int>(sentence.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    list.SetHorizontalExtent(widest);
}

void CTandrelDialog::ApplyDifferenceColours(CComparingDialog* comparing)
{
    std::unique_ptr<CComparingDialog> own;
    if (!comparing) {
        own = std::make_unique<CComparingDialog>();
        own->Create("Setting text colors...");
        comparing = own.get();
    }
    comparing->SetText("Setting text colors...");
    CWaitCursor wait;
    window_.userActed = false;
    CWinApp* app = CWinApp::GetApp();
    if (app && app->GetMainWnd())
        ::SetForegroundWindow(app->GetMainWnd());

    Children& c = *window_.children;
    for (const ColourRange& range : DifferenceColourRanges(window_.comparison.hunks, settings_)) {
        CNewEdit& pane = range.right ? c.rightText : c.leftText;
        const int from = pane.GetLineStart(range.firstRow);
        const int to = pane.GetLineStart(range.lastRow + 1);
        if (range.colourText)
            pane.SetRangeTextColor(from, to, range.text);
        pane.SetRangeBackColor(from, to, range.back);
    }
    if (settings_.showInlineDifferences) {
        LineRules rules;
        rules.ignoreBlanks = settings_.options.ignoreBlanks != 0;
        rules.ignoreCase = settings_.options.ignoreCase != 0;
        c.inlineMarks.Start(window_.comparison, rules, settings_.inlineDiffColor, *this);
    } else {
        c.inlineMarks.Stop();
    }
    if (own)
        own->DestroyWindow();
}

std::string CTandrelDialog::FileInfoLine(const std::string& fileName)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data))
        return std::string();  // gone since the comparison: nothing to tell
    FILETIME local{};
    SYSTEMTIME time{};
    ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    ::FileTimeToSystemTime(&local, &time);
    return FileInfoText(FileTimeText(time.wMonth, time.wDay, time.wYear, time.wHour, time.wMinute), SizeOf(data));
}

void CTandrelDialog::OnRecompare()
{
    // The key does what the button does: nothing after a failed comparison, whose
    // names are gone; a comparison of the files dropped while the window waits.
    if (!window_.children->toolbar.IsButtonEnabled(ID_RECOMPARE))
        return;
    savedTopLine_ = LeadText().GetTopLine();
    Restart(true);
}

void CTandrelDialog::Restart(bool keepPosition)
{
    keepPosition_ = keepPosition;
    restartRequested_ = true;
    EndDialog(1);
}

void CTandrelDialog::StartNewComparison(const std::string& leftPath, const std::string& rightPath,
                                        const CompareOptions& options)
{
    SetPaths(leftPath, rightPath);
    settings_.options = options;
    if (CWinApp* app = CWinApp::GetApp()) {
        UpdateRecentFiles(*app, leftPath, RecentSide::Left);
        UpdateRecentFiles(*app, rightPath, RecentSide::Right);
    }
    Restart(false);
}

void CTandrelDialog::ApplyOptions(const OptionValues& chosen)
{
    Children& c = *window_.children;
    const OptionChanges changes = ChangedOptions(settings_, chosen);
    TakeOptions(settings_, chosen);
    if (changes.tabSize) {
        ApplyTabSize();
        c.leftText.Invalidate(TRUE);
        c.rightText.Invalidate(TRUE);
    }
    if (changes.font) {
        CreatePaneFont();
        InvalidateMarker();
    }
    if (changes.comparison) {
        Restart(false);
        return;
    }
    if (changes.diffMap) {
        // The panes take the map's room, or give it; the split follows as after a resize.
        ComputeLayoutRects();
        LayoutChildren(SIZE_RESTORED);
    } else if (changes.Relayout()) {
        RECT leftCell{}, rightCell{};
        LayoutPanes(leftCell, rightCell);
    }
    if (changes.colours) {
        ApplyDifferenceColours(nullptr);
        c.diffMap.SetColours(MapColours());
        c.leftText.Invalidate(TRUE);
        c.rightText.Invalidate(TRUE);
        c.statusBar.Invalidate(TRUE);
    }
}

void CTandrelDialog::OnCompareNewPair()
{
    CompareOptions options = settings_.options;
    std::string leftPath, rightPath;
    if (RunCompareFilesDialog(this, ReadRecentPair(CWinApp::GetApp()), options, leftPath, rightPath)) {
        StartNewComparison(leftPath, rightPath, options);
    }
}

void CTandrelDialog::OnSetOptions()
{
    OptionValues chosen = settings_;
    if (RunOptionsDialog(chosen)) {
        ApplyOptions(chosen);
    }
}

void CTandrelDialog::OnAbout()
{
    CAboutDialog about;
    about.DoModal();
}
