// GdiObject: sole owner of one GDI object (pen, brush, font, bitmap, region), deleted when the owner goes.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        if (this != &other) {
            Reset(std::exchange(other.m_handle, nullptr));
        }
        return *this;
    }

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Deletes the object held, unless it is handle itself, and takes ownership of handle.
    void Reset(Handle handle = nullptr)
    {
        if (m_handle && m_handle != handle) {
            ::DeleteObject(m_handle);
        }
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using GdiFont = GdiObject<HFONT>;
using GdiPen = GdiObject<HPEN>;
using GdiBrush = GdiObject<HBRUSH>;
using GdiBitmap = GdiObject<HBITMAP>;
using GdiRegion = GdiObject<HRGN>;
