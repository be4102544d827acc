#include "engine/InputFile.h"

#include <sys/stat.h>

#include <cerrno>

InputFile::~InputFile()
{
    if (file_)
        std::fclose(file_);
}

bool InputFile::Open(const std::string& path)
{
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

size_t InputFile::Read(char* into, size_t count)
{
    // A failure that sets no error number is then told as unknown, not as the last one.
    errno = 0;
    return std::fread(into, 1, count, file_);
}

bool InputFile::Failed() const
{
    return std::ferror(file_) != 0;
}

uint64_t InputFile::RegularSize(uint64_t otherwise) const
{
#ifdef _WIN32
    struct _stat64 status;
    if (_fstat64(fileno(file_), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0)
        return otherwise;
#else
    struct stat status;
    if (fstat(fileno(file_), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0)
        return otherwise;
#endif
    return static_cast<uint64_t>(status.st_size);
}

bool InputFile::StatusSize(const std::string& path, uint64_t& size, bool* regular)
{
#ifdef _WIN32
    struct _stat64 status;
    if (_stat64(path.c_str(), &status) != 0 || status.st_size < 0)
        return false;
#else
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || status.st_size < 0)
        return false;
#endif
    size = static_cast<uint64_t>(status.st_size);
    if (regular)
        *regular = S_ISREG(status.st_mode);
    return true;
}

bool InputFile::Close()
{
    std::FILE* file = file_;
    file_ = nullptr;
    return std::fclose(file) == 0;
}
