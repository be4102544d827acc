#include "dialogs/CHistoryComboBox.h"

#include "framework/CWinApp.h"

#include <algorithm>

namespace {

const char kMaximumEntry[] = "Max number of strings";
const char kEntryPrefix[] = "String ";
constexpr int kDefaultMaximum = 20;

}  // namespace

CHistoryComboBox::~CHistoryComboBox()
{
    try {
        SaveHistory();
    } catch (...) {
        // A history that cannot be saved is not worth a message while the dialog closes.
    }
}

void CHistoryComboBox::SetHistorySection(const char* section)
{
    section_ = section;
    const CWinApp* app = CWinApp::GetApp();
    maximum_ = app ? static_cast<int>(app->GetProfileInt(section, kMaximumEntry, kDefaultMaximum)) : kDefaultMaximum;
}

RecentList CHistoryComboBox::Stored() const
{
    return RecentList{section_, kEntryPrefix, std::clamp(maximum_, 0, kSlotLimit)};
}

void CHistoryComboBox::LoadHistory()
{
    ResetContent();
    if (const CWinApp* app = CWinApp::GetApp(); app && section_) {
        for (const std::string& text : ReadRecentList(*app, Stored()))
            AddString(text);
    }
    SetCurSel(0);
}

void CHistoryComboBox::SaveHistory()
{
    CWinApp* app = CWinApp::GetApp();
    if (!m_hWnd || !section_ || !app)
        return;
    const std::string text = GetWindowText();
    if (text.empty())
        return;
    PutOnRecentList(*app, Stored(), text);
    app->WriteProfileInt(section_, kMaximumEntry, maximum_);
}

std::string CHistoryComboBox::MostRecent(const CWinApp& profile, const char* section)
{
    return profile.GetProfileString(section, (kEntryPrefix + std::string("0")).c_str(), "");
}
