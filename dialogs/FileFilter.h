// FileFilter: the named file types of the open-file dialog and their stored text form.
#pragma once

#include <string>
#include <vector>

// A group name and its wildcard patterns separated by ";", such as "*.c;*.cpp".
struct FileType {
    std::string name;
    std::string patterns;
};

// The filter string used while nothing is stored: one type, every file.
extern const char kDefaultFileFilter[];

// The types of a filter string "Name (patterns)|patterns|...||", read pair by pair up to the
// first "|" that has no description before it; a name is its description up to the last "(".
std::vector<FileType> ParseFileFilter(const std::string& filter);
// The filter string of types, each as "Name (patterns)|patterns|", ended by one more "|".
std::string FormatFileFilter(const std::vector<FileType>& types);
// The editor's text of one type: "Name (patterns)".
std::string FileTypeItemText(const FileType& type);
// Reads an editor item back: the name before the last "(", the patterns up to the next ")".
FileType ParseFileTypeItem(const std::string& item);
// The list the system's dialog reads: description and pattern strings, each ended by NUL,
// then one more NUL. Only complete pairs are kept (the system stops at the first empty
// string); empty when the filter string holds none.
std::string PlatformFilterList(const std::string& filter);
