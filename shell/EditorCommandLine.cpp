#include "shell/EditorCommandLine.h"

std::string EditorCommandLine(const std::string& editor, const std::string& path)
{
    const bool quoted = !path.empty() && path.front() == '"';
    const bool blank = path.find_first_of(" \t") != std::string::npos;
    return editor + " " + (blank && !quoted ? "\"" + path + "\"" : path);
}
