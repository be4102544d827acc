#include "shell/DiffReport.h"

#include "engine/ListingOrder.h"

#include <windows.h>

#include <algorithm>

namespace {

// Written in pieces, so that a report larger than one call can take still goes out whole.
constexpr size_t kWriteChunk = 1 << 20;

bool WriteAll(HANDLE file, const std::string& text)
{
    for (size_t done = 0; done < text.size();) {
        const DWORD piece = static_cast<DWORD>(std::min(kWriteChunk, text.size() - done));
        DWORD written = 0;
        if (!::WriteFile(file, text.data() + done, piece, &written, nullptr) || written != piece)
            return false;
        done += piece;
    }
    return true;
}

}  // namespace

std::string DiffReportText(const DiffListing& listing)
{
    std::string text;
    ForEachEntryInFileOrder(listing, [&text](const std::string& entry) {
        for (char c : entry) {
            if (c == '\n')
                text += '\r';
            text += c;
        }
    });
    return text;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = WriteAll(file, text);
    const bool closed = ::CloseHandle(file) != FALSE;
    if (written && closed)
        return true;
    ::DeleteFileA(path.c_str());
    return false;
}
