#include "shell/OptionChanges.h"

#include <cstring>

OptionChanges ChangedOptions(const AppSettings& stored, const AppSettings& chosen)
{
    OptionChanges changes;
    changes.tabSize = chosen.tabSize != stored.tabSize;
    changes.comparison = chosen.options.ignoreBlanks != stored.options.ignoreBlanks
                         || chosen.options.ignoreCase != stored.options.ignoreCase;
    changes.lineNumbers = chosen.showLineNumbers != stored.showLineNumbers;
    changes.font = std::memcmp(&chosen.font, &stored.font, sizeof(LOGFONTA)) != 0;
    changes.colours = chosen.addedColor != stored.addedColor || chosen.deletedColor != stored.deletedColor
                      || chosen.changedColor != stored.changedColor
                      || chosen.diffBackgroundColor != stored.diffBackgroundColor;
    return changes;
}

void TakeOptions(AppSettings& stored, const AppSettings& chosen)
{
    stored.tabSize = chosen.tabSize;
    stored.options.ignoreBlanks = chosen.options.ignoreBlanks;
    stored.options.ignoreCase = chosen.options.ignoreCase;
    stored.showLineNumbers = chosen.showLineNumbers;
    stored.font = chosen.font;
    stored.addedColor = chosen.addedColor;
    stored.deletedColor = chosen.deletedColor;
    stored.changedColor = chosen.changedColor;
    stored.diffBackgroundColor = chosen.diffBackgroundColor;
    stored.editor = chosen.editor;
}
