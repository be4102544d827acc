// RecentList: a most-recent-first list of strings kept in a profile section as numbered entries.
#pragma once

#include <string>
#include <vector>

class CWinApp;

struct RecentList {
    const char* section;
    const char* entryPrefix;  // "File " names the entries "File 0", "File 1", ...
    int slots;  // the entries the list may use; none when 0 or less
};

// The non-empty entries of the list's slots, in order.
std::vector<std::string> ReadRecentList(const CWinApp& profile, const RecentList& list);
// Puts text at the top of the list: an entry equal to it ignoring case moves up (spelled as
// text is), else the oldest drops out when every slot is taken. The entries are written without
// gaps and the slots after them removed, so a gap left by someone else cannot leave a stale
// duplicate. An empty text changes nothing.
void PutOnRecentList(CWinApp& profile, const RecentList& list, const std::string& text);
