#include "engine/DiffFiles.h"

#include "engine/BothSides.h"
#include "engine/DiscardStage.h"
#include "engine/EditScript.h"
#include "engine/EngineError.h"
#include "engine/EngineFile.h"
#include "engine/MemoryExhaustion.h"
#include "engine/MiddleSnakeSearch.h"
#include "engine/ReadStage.h"
#include "engine/RunSliding.h"
#include "engine/TextInput.h"

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The comparison proper, after both contents are in their files. Running
// out of memory anywhere throws; the callers turn that into one message.
int CompareFiles(EngineFile& left, EngineFile& right, const LineRules& rules, DiffListing& listing)
{
    FindIdenticalPrefix(left, right);
    FindIdenticalSuffix(left, right);
    int32_t classCount = ClassifyLines(left, right, rules);
    for (EngineFile* file : {&left, &right})
        file->changed.assign(static_cast<size_t>(file->bufferedLines) + 2, 0);
    {
        KeptLines kept[2];
        DiscardConfusingLines(left, right, classCount, kept);
        MiddleSnakeSearch search(kept[0], kept[1], left, right);
        search.Run();
    }
    SlideChangeRuns(left, right);
    SlideChangeRuns(right, left);
    std::vector<ChangeRecord> script = BuildEditScript(left, right);
    if (script.empty())
        return 0;
    WriteListing(script, left, right, listing);
    return 1;
}

int CompareContents(EngineFile& left, EngineFile& right, ByteBuffer& leftContent, ByteBuffer& rightContent,
                    const LineRules& rules, DiffListing& listing)
{
    ByteBuffer* const contents[2] = {&leftContent, &rightContent};
    OnBothSides([&contents](int side) { TranslateTextMode(*contents[side]); });
    TakeContent(left, std::move(leftContent));
    TakeContent(right, std::move(rightContent));
    return CompareFiles(left, right, rules, listing);
}

// Reads both files at once, each with `room` bytes to spare after it. A
// person is told what reading them one after the other would tell: the left
// file's failure first, and then nothing of the right one.
bool ReadBothFiles(const EngineFile (&files)[2], ByteBuffer (&contents)[2], MessageSink& messages,
                   const std::size_t (&room)[2])
{
    return SucceedsOnBothSides(messages, [&](int side, MessageSink& sideMessages) {
        return ReadWholeFile(files[side].name, contents[side], sideMessages, room[side]);
    });
}

}  // namespace

int DiffContents(ByteBuffer left, ByteBuffer right, bool ignoreBlanks, bool ignoreCase, DiffListing& listing,
                 MessageSink& messages)
{
    int result = -1;
    if (!RanWithinMemory([&] {
            EngineFile files[2];
            result = CompareContents(files[0], files[1], left, right, LineRules{ignoreBlanks, ignoreCase}, listing);
        }))
        ReportMemoryExhausted(messages);
    return result;
}

int DiffFiles(const std::string& leftName, const std::string& rightName, bool ignoreBlanks, bool ignoreCase,
              DiffListing& listing, MessageSink& messages, ComparedTexts* keep)
{
    int result = -1;
    if (!RanWithinMemory([&] {
            EngineFile files[2];
            files[0].name = leftName;
            files[1].name = rightName;
            ByteBuffer contents[2];
            for (int f = 0; keep && f < 2; ++f) {
                contents[f].swap(keep->text[f]);
                contents[f].clear();
            }
            const std::size_t room[2] = {keep ? keep->room[0] : 0, keep ? keep->room[1] : 0};
            if (!ReadBothFiles(files, contents, messages, room))
                return;
            const std::size_t readSize[2] = {contents[0].size(), contents[1].size()};
            result = CompareContents(files[0], files[1], contents[0], contents[1], LineRules{ignoreBlanks, ignoreCase},
                                     listing);
            // The text mode only ever takes bytes away (and a last line feed
            // is added only where there was none): the same size is the same bytes.
            for (int f = 0; keep && result >= 0 && f < 2; ++f) {
                keep->kept[f] = files[f].buffer.size() == readSize[f];
                if (keep->kept[f])
                    keep->text[f] = std::move(files[f].buffer);
            }
        }))
        ReportMemoryExhausted(messages);
    return result;
}
