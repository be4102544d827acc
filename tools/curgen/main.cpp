// Writes a .cur file from a cursor pixel map: curgen MAP OUT.
#include "CursorFile.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: tandrel_curgen MAP OUT\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in)
            throw std::runtime_error(std::string("cannot read ") + argv[1]);
        const auto bytes = CursorFile::Parse(in).Encode();
        std::ofstream out(argv[2], std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "tandrel_curgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
