// EngineTestFiles: a private temporary folder of input files and a message collector for engine tests.
#pragma once

#include "engine/MessageSink.h"
#include "tests/support/SystemDiff.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

class EngineTestFiles {
public:
    EngineTestFiles()
    {
        char pattern[] = "/tmp/tandrel-engine-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("cannot create a temporary folder");
        dir_ = pattern;
    }
    ~EngineTestFiles()
    {
        for (const std::string& path : written_)
            unlink(path.c_str());
        rmdir(dir_.c_str());
    }
    EngineTestFiles(const EngineTestFiles&) = delete;
    EngineTestFiles& operator=(const EngineTestFiles&) = delete;

    // Writes the bytes to a file of the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = Path(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + path);
        written_.push_back(path);
        return path;
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
    std::vector<std::string> written_;
};

// Keeps every message the engine shows.
class CollectedMessages : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};
