#include "engine/TempCopies.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

#ifdef _WIN32
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL | O_BINARY;
constexpr int kCreateMode = S_IREAD | S_IWRITE;
#else
constexpr int kCreateFlags = O_WRONLY | O_CREAT | O_EXCL;
constexpr int kCreateMode = S_IRUSR | S_IWUSR;
#endif

// Four hex digits from a varying start, like the system's own temporary names.
std::string TempFileName(unsigned value)
{
    char name[16];
    std::snprintf(name, sizeof name, "TMP%04X.tmp", value & 0xFFFFu);
    return name;
}

// Tries the names from a varying start until one can be created; false when
// the folder refuses, or every name is taken.
bool CreateTempFile(const std::filesystem::path& folder, std::string& path)
{
    const auto start = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt <= 0xFFFFu; ++attempt) {
        const std::string candidate = (folder / TempFileName(start + attempt)).string();
        const int fd = open(candidate.c_str(), kCreateFlags, kCreateMode);
        if (fd >= 0) {
            close(fd);
            path = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

}  // namespace

bool GetTempFilePath(std::string& path, MessageSink& messages)
{
    try {
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
        if (!error && CreateTempFile(folder, path))
            return true;
    } catch (const std::exception&) {
        // A folder name that the narrow character set cannot hold is no usable folder.
    }
    messages.ShowMessage("Could not get temp file name");
    return false;
}

bool WriteCopy(const std::string& copyName, const std::string& text, MessageSink& messages)
{
    FilePtr file(std::fopen(copyName.c_str(), "wb"), &std::fclose);
    bool written = file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    if (file && std::fclose(file.release()) != 0)
        written = false;
    if (!written)
        messages.ShowMessage("Could not open file " + copyName + " to write!");
    return written;
}
