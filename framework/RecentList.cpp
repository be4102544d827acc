#include "framework/RecentList.h"

#include "engine/CaseFolding.h"
#include "framework/CWinApp.h"

#include <algorithm>

namespace {

std::string EntryName(const RecentList& list, int slot)
{
    return list.entryPrefix + std::to_string(slot);
}

}  // namespace

std::vector<std::string> ReadRecentList(const CWinApp& profile, const RecentList& list)
{
    std::vector<std::string> entries;
    for (int slot = 0; slot < list.slots; ++slot) {
        std::string text = profile.GetProfileString(list.section, EntryName(list, slot).c_str(), "");
        if (!text.empty())
            entries.push_back(std::move(text));
    }
    return entries;
}

void PutOnRecentList(CWinApp& profile, const RecentList& list, const std::string& text)
{
    if (text.empty() || list.slots <= 0)
        return;
    std::vector<std::string> entries = ReadRecentList(profile, list);
    const auto same = std::find_if(entries.begin(), entries.end(),
                                   [&text](const std::string& entry) { return EqualIgnoringCase(entry, text); });
    if (same != entries.end())
        entries.erase(same);
    else if (entries.size() == static_cast<size_t>(list.slots))
        entries.pop_back();
    entries.insert(entries.begin(), text);
    for (int slot = 0; slot < list.slots; ++slot) {
        const size_t index = static_cast<size_t>(slot);
        profile.WriteProfileString(list.section, EntryName(list, slot).c_str(),
                                   index < entries.size() ? entries[index].c_str() : nullptr);
    }
}
