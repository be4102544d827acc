#include "shell/MainWindowTexts.h"

#include <cstdio>

namespace {

// Formats with a pattern of our own; every argument is a number or a string we pass as %s.
template <typename... Args>
std::string Format(const char* pattern, Args... args)
{
    const int length = std::snprintf(nullptr, 0, pattern, args...);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(&text[0], text.size(), pattern, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

const char kComparisonFailedText[] = "The comparison failed";

std::string DifferenceCountText(int count)
{
    if (count <= 0)
        return "No differences found";
    if (count == 1)
        return "1 difference found";
    return Format("%d differences found", count);
}

std::string FileTimeText(int month, int day, int year, int hour, int minute)
{
    const char half = hour < 12 ? 'a' : 'p';
    int clock = hour % 12;
    if (clock == 0)
        clock = 12;
    return Format("%d/%0.2d/%0.2d  %d:%0.2d%c", month, day, year % 100, clock, minute, half);
}

std::string FileInfoText(const std::string& timeText, int64_t sizeBytes)
{
    // Sizes beyond 2 GB are printed in full rather than wrapped into a negative number.
    return Format("Modified: %s, Size: %lld bytes", timeText.c_str(), static_cast<long long>(sizeBytes));
}

std::string IdenticalFilesText(const std::string& left, const std::string& right)
{
    return Format("The files %s and %s are identical", left.c_str(), right.c_str());
}

std::string BinaryOutcomeText(bool leftBinary, bool rightBinary, bool different, const std::string& left,
                              const std::string& right)
{
    if (!different)
        return Format("Binary files %s and %s are identical", left.c_str(), right.c_str());
    if (leftBinary && rightBinary)
        return Format("Binary files %s and %s are different", left.c_str(), right.c_str());
    // The binary file is named first.
    const std::string& binary = leftBinary ? left : right;
    const std::string& text = leftBinary ? right : left;
    return Format("File %s is binary, and is different from the file %s", binary.c_str(), text.c_str());
}

std::string CaretStatusText(const std::string& gutterRowText, int column)
{
    const size_t first = gutterRowText.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return Format("Ln %s, Col %d", gutterRowText.substr(first).c_str(), column + 1);
}
