// The main window's commands that reach outside it: the external editor, dropped files and Save Diff.
#include "shell/CTandrelDialog.h"

#include "engine/MemoryExhaustion.h"
#include "engine/UnifiedDiff.h"
#include "framework/AppMessageBox.h"
#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "shell/AppSettings.h"
#include "shell/DiffReport.h"
#include "shell/EditorCommandLine.h"

#include <shellapi.h>

#include <vector>

namespace {

// The names of a drop, the first `wanted` of them; the drop is finished on every path.
class DroppedFiles {
public:
    explicit DroppedFiles(HDROP drop) : drop_(drop) {}
    ~DroppedFiles() { ::DragFinish(drop_); }
    DroppedFiles(const DroppedFiles&) = delete;
    DroppedFiles& operator=(const DroppedFiles&) = delete;

    UINT Count() const { return ::DragQueryFileA(drop_, 0xFFFFFFFF, nullptr, 0); }
    // Read at full length: a name cut short would name another file.
    std::string Name(UINT index) const
    {
        const UINT length = ::DragQueryFileA(drop_, index, nullptr, 0);
        std::string name(length + 1, '\0');
        name.resize(::DragQueryFileA(drop_, index, &name[0], length + 1));
        return name;
    }

private:
    HDROP drop_;
};

// The Save As dialog's file types, in the order of its list: the normal report, the unified patch.
constexpr const char* kReportTypes = "All Files (*.*)|*.*|Unified Diff (*.diff;*.patch)|*.diff;*.patch||";
constexpr DWORD kUnifiedDiffType = 2;

bool IsFolder(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

void CTandrelDialog::OnEditFile(bool left)
{
    StartEditor(left ? leftPath_ : rightPath_);
}

void CTandrelDialog::StartEditor(const std::string& path)
{
    std::string commandLine = EditorCommandLine(settings_.editor, path);
    STARTUPINFOA startup{};
    ::GetStartupInfoA(&startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr, nullptr,
                          &startup, &process)) {
        AppMessageBox("Could not start editor!");
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void CTandrelDialog::OnSaveDiff()
{
    SaveDiffReport();
}

void CTandrelDialog::SaveDiffReport()
{
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kReportTypes, this);
    if (dialog.DoModal() != IDOK)
        return;
    const std::string path = dialog.GetPathName();
    std::string report;
    if (dialog.m_ofn.nFilterIndex != kUnifiedDiffType)
        report = DiffReportText(window_.comparison.listing);
    else if (!UnifiedReport(report))
        return;
    if (!WriteWholeFile(path, report))
        AppMessageBox("Could not open file " + path + " to write!");
}

bool CTandrelDialog::UnifiedReport(std::string& patch)
{
    patch.clear();
    // Without a comparison on show there is nothing to write, as in the normal report.
    if (!window_.comparedOK)
        return true;
    ComparedFiles& files = window_.comparedFiles;
    ComparedFiles::Change change{};
    if (files.ChangeSinceComparison(change)) {
        TellDiskChange(change);
        return false;
    }
    PatchRequest request;
    request.left = PatchSide{leftName_, files.AtComparison(ComparedFiles::Left).stamp};
    request.right = PatchSide{rightName_, files.AtComparison(ComparedFiles::Right).stamp};
    request.exact = !settings_.options.ignoreBlanks && !settings_.options.ignoreCase;
    PatchLines left, right;
    bool written = false;
    const bool fitted = RanWithinMemory([&] {
        if (!ReadPatchLines(leftPath_, left, *this) || !ReadPatchLines(rightPath_, right, *this))
            return;
        if (!WriteUnifiedDiff(window_.comparison.listing, left, right, request, patch)) {
            TellDiskChange(ComparedFiles::Change{ComparedFiles::Left, files.AtComparison(ComparedFiles::Left)});
            return;
        }
        patch = WithCrLf(patch);
        written = true;
    });
    if (!fitted)
        AppMessageBox(kInsufficientMemory);
    return fitted && written;
}

void CTandrelDialog::OnActivate(UINT state)
{
    if (state == WA_INACTIVE || !window_.initialised || !window_.comparedOK || restartRequested_
        || window_.tellingDiskChange)
        return;
    ComparedFiles::Change change{};
    if (window_.comparedFiles.NextChange(change))
        TellDiskChange(change);
}

void CTandrelDialog::TellDiskChange(const ComparedFiles::Change& change)
{
    const std::string& name = change.side == ComparedFiles::Right ? rightName_ : leftName_;
    window_.tellingDiskChange = true;
    switch (change.now.kind) {
    case DiskStatus::Kind::Missing: AppMessageBox("The file " + name + " is no longer on disk."); break;
    case DiskStatus::Kind::Folder: AppMessageBox(name + " is a folder, not a file!"); break;
    case DiskStatus::Kind::File:
        if (AppMessageBox("The file " + name + " has changed on disk. Compare again?", MB_YESNO | MB_ICONQUESTION)
            == IDYES)
            PostMessage(WM_COMMAND, ID_RECOMPARE, 0);
        break;
    }
    window_.tellingDiskChange = false;
}

void CTandrelDialog::OnDropFiles(HDROP drop)
{
    const DroppedFiles files(drop);
    UINT count = files.Count();
    if (count == 0)
        return;
    if (count > 2) {
        const std::string question = "Do you want to compare first two of " + std::to_string(count) + " dropped files?";
        if (AppMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        count = 2;
    }
    std::vector<std::string> names;
    for (UINT i = 0; i < count; ++i) {
        names.push_back(files.Name(i));
        if (IsFolder(names.back())) {
            AppMessageBox(names.back() + " is a folder, not a file!");
            return;
        }
    }
    if (names.size() == 2)
        StartNewComparison(names[0], names[1], settings_.options);
    else
        TakeDroppedFile(names[0]);
}

void CTandrelDialog::TakeDroppedFile(const std::string& path)
{
    Children& c = *window_.children;
    const bool right = window_.nextDropIsRight;
    window_.nextDropIsRight = !window_.nextDropIsRight;
    (right ? rightPath_ : leftPath_) = path;
    (right ? rightName_ : leftName_) = path;
    (right ? c.rightLabel : c.leftLabel).SetText(path);
    if (CWinApp* app = CWinApp::GetApp())
        UpdateRecentFiles(*app, path, right ? RecentSide::Right : RecentSide::Left);
    (right ? c.rightText : c.leftText).SetText("", 0);
    (right ? c.rightGutter : c.leftGutter).SetText("", 0);

    window_.comparedOK = false;
    window_.comparison.hunks.clear();
    currentDiff_ = 0;
    Invalidate(TRUE);
    UpdateToolbarState();
    c.toolbar.EnableButton(ID_RECOMPARE, true);
    c.diffList.ResetContent();
    c.diffList.EnableWindow(FALSE);
    c.frame.EnableWindow(FALSE);
    c.statusBar.SetText(0, "Press Recompare button to compare dropped file(s)");
    c.statusBar.SetText(1, "");
}
