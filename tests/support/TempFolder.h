// TempFolder: a test's private folder under the system's temporary folder, removed with its contents when it goes.
#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <stdlib.h>
#endif

class TempFolder {
public:
#ifdef _WIN32
    static constexpr char kSeparator = '\\';
#else
    static constexpr char kSeparator = '/';
#endif

    // The folder's name starts with prefix; it is new, so nothing in it is left from elsewhere.
    explicit TempFolder(const std::string& prefix = "tandrel-test") : path_(Create(prefix))
    {
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a separator at the end.
    const std::string& Path() const
    {
        return path_;
    }
    // The path of an entry of the folder.
    std::string PathOf(const std::string& name) const
    {
        return path_ + kSeparator + name;
    }
    // Writes the bytes to a file of the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = PathOf(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path);
        return path;
    }

private:
    static std::string Create(const std::string& prefix)
    {
#ifdef _WIN32
        char temp[MAX_PATH] = "";
        ::GetTempPathA(MAX_PATH, temp);
        static unsigned made = 0;
        for (;;) {
            const std::string path = std::string(temp) + prefix + "-" + std::to_string(::GetCurrentProcessId()) + "-"
                                     + std::to_string(++made);
            if (::CreateDirectoryA(path.c_str(), nullptr))
                return path;
            if (::GetLastError() != ERROR_ALREADY_EXISTS)
                throw std::runtime_error("cannot create " + path);
        }
#else
        std::string path = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        if (!mkdtemp(&path[0]))
            throw std::runtime_error("cannot create " + path);
        return path;
#endif
    }

    std::string path_;
};
