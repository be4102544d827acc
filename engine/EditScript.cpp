#include "engine/EditScript.h"

#include <algorithm>
#include <string>

namespace {

const char kMissingLineFeed[] = "\n\\ No newline at end of file\n";

// A range of file lines first..last (1-based); an empty range names the
// line before the point of insertion or deletion.
void AppendRange(std::string& command, int32_t first, int32_t last)
{
    if (last > first) {
        command += std::to_string(first);
        command += ',';
    }
    command += std::to_string(last);
}

void AppendLines(DiffListing& listing, const char* marker, const EngineFile& file, int32_t first, int32_t count)
{
    for (int32_t i = first; i < first + count; ++i) {
        std::string entry = marker;
        const char* text = file.Line(i);
        uint32_t length = file.LineLength(i);
        entry.append(text, length);
        listing.push_back(std::move(entry));
        if (length == 0 || text[length - 1] != '\n')
            listing.emplace_back(kMissingLineFeed);
    }
}

}  // namespace

std::vector<ChangeRecord> BuildEditScript(const EngineFile& left, const EngineFile& right)
{
    std::vector<ChangeRecord> script;
    int32_t i0 = 0, i1 = 0;
    while (i0 < left.bufferedLines || i1 < right.bufferedLines) {
        if (left.IsChanged(i0) || right.IsChanged(i1)) {
            int32_t k0 = i0, k1 = i1;
            while (left.IsChanged(k0))
                ++k0;
            while (right.IsChanged(k1))
                ++k1;
            script.push_back(ChangeRecord{k1 - i1, k0 - i0, i0, i1});
            i0 = k0;
            i1 = k1;
        }
        ++i0;
        ++i1;
    }
    std::reverse(script.begin(), script.end());
    return script;
}

void WriteListing(const std::vector<ChangeRecord>& script, const EngineFile& left, const EngineFile& right,
                  DiffListing& listing)
{
    for (const ChangeRecord& change : script) {
        int32_t first0 = left.prefixLines + change.line0 + 1;
        int32_t first1 = right.prefixLines + change.line1 + 1;
        std::string command;
        AppendRange(command, first0, first0 + change.deleted - 1);
        command += change.inserted == 0 ? 'd' : change.deleted == 0 ? 'a' : 'c';
        AppendRange(command, first1, first1 + change.inserted - 1);
        command += '\n';
        listing.push_back(std::move(command));
        AppendLines(listing, "< ", left, change.line0, change.deleted);
        if (change.inserted > 0 && change.deleted > 0)
            listing.emplace_back("---\n");
        AppendLines(listing, "> ", right, change.line1, change.inserted);
    }
}
