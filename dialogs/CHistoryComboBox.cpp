#include "dialogs/CHistoryComboBox.h"

#include "engine/CaseFolding.h"
#include "framework/CWinApp.h"

#include <algorithm>

namespace {

const char kMaximumEntry[] = "Max number of strings";
constexpr int kDefaultMaximum = 20;

std::string SlotEntry(int slot)
{
    return "String " + std::to_string(slot);
}

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

int CHistoryComboBox::SlotCount() const
{
    return std::clamp(maximum_, 0, kSlotLimit);
}

std::vector<std::string> CHistoryComboBox::ReadSlots() const
{
    std::vector<std::string> slots(static_cast<size_t>(SlotCount()));
    const CWinApp* app = CWinApp::GetApp();
    for (size_t i = 0; app && section_ && i < slots.size(); ++i)
        slots[i] = app->GetProfileString(section_, SlotEntry(static_cast<int>(i)).c_str(), "");
    return slots;
}

void CHistoryComboBox::LoadHistory()
{
    ResetContent();
    for (const std::string& text : ReadSlots()) {
        if (!text.empty())
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
    std::vector<std::string> slots = ReadSlots();
    if (!slots.empty()) {
        // The string found again, or else the oldest slot, gives its place up; the ones above move down.
        auto taken = std::find_if(slots.begin(), slots.end(),
                                  [&text](const std::string& slot) { return EqualIgnoringCase(slot, text); });
        if (taken == slots.end())
            taken = slots.end() - 1;
        std::rotate(slots.begin(), taken, taken + 1);
        slots.front() = text;
        WriteSlots(slots);
    }
    app->WriteProfileInt(section_, kMaximumEntry, maximum_);
}

void CHistoryComboBox::WriteSlots(const std::vector<std::string>& slots)
{
    CWinApp* app = CWinApp::GetApp();
    int written = 0;
    for (const std::string& text : slots) {
        if (!text.empty())
            app->WriteProfileString(section_, SlotEntry(written++).c_str(), text.c_str());
    }
    // A gap closed up leaves strings behind in the higher slots; they would come back as duplicates.
    for (int slot = written; slot < static_cast<int>(slots.size()); ++slot)
        app->WriteProfileString(section_, SlotEntry(slot).c_str(), nullptr);
}
