// CHistoryComboBox: a combo box whose drop-down list is a most-recent-first history kept in a registry section.
#pragma once

#include "framework/CComboBox.h"

#include <string>
#include <vector>

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

private:
    // The slots the history has: its maximum, held between none and kSlotLimit.
    int SlotCount() const;
    std::vector<std::string> ReadSlots() const;
    // Writes the non-empty strings without gaps and removes the slots left over after them.
    void WriteSlots(const std::vector<std::string>& slots);

    const char* section_ = nullptr;
    int maximum_ = 0;
};
