// MemoryDC: a memory device context compatible with another one, deleted when the object goes.
#pragma once

#include <windows.h>

class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : m_dc(::CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC()
    {
        if (m_dc) {
            ::DeleteDC(m_dc);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC Get() const { return m_dc; }
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};
