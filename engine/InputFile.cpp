#include "engine/InputFile.h"

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
    return std::fread(into, 1, count, file_);
}

bool InputFile::Failed() const
{
    return std::ferror(file_) != 0;
}

bool InputFile::Close()
{
    std::FILE* file = file_;
    file_ = nullptr;
    return std::fclose(file) == 0;
}
