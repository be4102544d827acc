#include "dialogs/OptionValues.h"

#include <cstring>

OptionValues::OptionValues()
    : tabSize(4),
      showLineNumbers(1),
      showDifferenceMap(1),
      font{},
      addedColor(0x00408000),
      deletedColor(0x000000FF),
      changedColor(0x00FF0000),
      diffBackgroundColor(0x00C0C0C0),
      showInlineDifferences(1),
      // A light amber: the changed lines' blue text stays legible on it, and it
      // stands apart from the grey of the difference background.
      inlineDiffColor(0x0080E0FF),
      editor("notepad.exe")
{
    font.lfHeight = -10;
    font.lfWeight = 400;
    SetFontFace(font, "Courier");
}

void SetFontFace(LOGFONTA& font, const std::string& face)
{
    const size_t room = sizeof font.lfFaceName - 1;
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, face.data(), face.size() < room ? face.size() : room);
}
