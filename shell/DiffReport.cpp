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
    return WithCrLf(ListingInFileOrder(listing));
}

std::string WithCrLf(const std::string& text)
{
    std::string crLf;
    crLf.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            crLf += '\r';
        crLf += text[i];
    }
    return crLf;
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
