#include "shell/OptionChanges.h"

#include <cstring>

OptionChanges ChangedOptions(const OptionValues& stored, const OptionValues& chosen)
{
    OptionChanges changes;
    changes.tabSize = chosen.tabSize != stored.tabSize;
    changes.comparison = chosen.options.ignoreBlanks != stored.options.ignoreBlanks
                         || chosen.options.ignoreCase != stored.options.ignoreCase;
    changes.lineNumbers = chosen.showLineNumbers != stored.showLineNumbers;
    changes.font = std::memcmp(&chosen.font, &stored.font, sizeof(LOGFONTA)) != 0;
    changes.colours = chosen.addedColor != stored.addedColor || chosen.deletedColor != stored.deletedColor
                      || chosen.changedColor != stored.changedColor
                      || chosen.diffBackgroundColor != stored.diffBackgroundColor
                      || chosen.showInlineDifferences != stored.showInlineDifferences
                      || chosen.inlineDiffColor != stored.inlineDiffColor;
    changes.diffMap = chosen.showDifferenceMap != stored.showDifferenceMap;
    return changes;
}

void TakeOptions(AppSettings& stored, const OptionValues& chosen)
{
    // Whether both files are text is asked in Compare Files and on the command line, not here.
    const int32_t forceText = stored.options.forceText;
    static_cast<OptionValues&>(stored) = chosen;
    stored.options.forceText = forceText;
}
