// CHistoryComboBox: a combo box whose drop-down list is a most-recent-first history kept in a registry section.
#pragma once

#include "framework/CComboBox.h"
#include "framework/RecentList.h"

#include <string>

class CWinApp;

class CHistoryComboBox : public CComboBox {
public:
    // The most slots a history uses whatever its stored maximum says: a larger one would only
    // make the box read, keep and write values no one can scroll through.
    static constexpr int kSlotLimit = 1000;

    CHistoryComboBox() = default;
    // Saves the history while the control still exists.
    ~CHistoryComboBox() override;

    // Names the section and reads its maximum; before the box is bound to its control.
    void SetHistorySection(const char* section);
    // Fills the list from the section, most recent first, and shows the most recent string.
    void LoadHistory();
    // Puts the edit text at the top of the stored history; an empty text stores nothing.
    void SaveHistory();
    // The most recent string of a section's stored history, whatever its maximum says.
    static std::string MostRecent(const CWinApp& profile, const char* section);

private:
    // The stored list: its maximum, held between none and kSlotLimit, gives its slots.
    RecentList Stored() const;

    const char* section_ = nullptr;
    int maximum_ = 0;
};
