#include "dialogs/FileFilter.h"

const char kDefaultFileFilter[] = "All Files (*.*)|*.*||";

namespace {

std::string WithoutTrailingBlanks(std::string text)
{
    const size_t end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

// Splits text at its first "|": the part before goes to head, text keeps the part after.
bool TakeUpToBar(std::string& text, std::string& head)
{
    const size_t bar = text.find('|');
    if (bar == std::string::npos) {
        return false;
    }
    head = text.substr(0, bar);
    text.erase(0, bar + 1);
    return true;
}

}  // namespace

std::vector<FileType> ParseFileFilter(const std::string& filter)
{
    std::vector<FileType> types;
    std::string rest = filter;
    std::string description;
    while (rest.find('|') != 0 && TakeUpToBar(rest, description)) {
        description = WithoutTrailingBlanks(description);
        FileType type;
        type.name = WithoutTrailingBlanks(description.substr(0, description.rfind('(')));
        // A description without its pattern field takes the rest as its patterns.
        if (!TakeUpToBar(rest, type.patterns)) {
            type.patterns = rest;
            rest.clear();
        }
        types.push_back(type);
    }
    return types;
}

std::string FormatFileFilter(const std::vector<FileType>& types)
{
    std::string filter;
    for (const FileType& type : types) {
        filter += FileTypeItemText(type) + "|" + type.patterns + "|";
    }
    return filter + "|";
}

std::string FileTypeItemText(const FileType& type)
{
    return type.name + " (" + type.patterns + ")";
}

FileType ParseFileTypeItem(const std::string& item)
{
    FileType type;
    // The patterns hold no bracket: the last "(" opens them, and a name may hold brackets of its own.
    const size_t open = item.rfind('(');
    type.name = WithoutTrailingBlanks(item.substr(0, open));
    if (open != std::string::npos) {
        const size_t close = item.find(')', open + 1);
        type.patterns = item.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    }
    return type;
}

std::string PlatformFilterList(const std::string& filter)
{
    std::string list;
    std::string rest = filter;
    std::string description, patterns;
    while (TakeUpToBar(rest, description) && !description.empty() && TakeUpToBar(rest, patterns) && !patterns.empty()) {
        list += description + '\0' + patterns + '\0';
    }
    return list.empty() ? list : list + '\0';
}
