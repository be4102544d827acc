// ObjectSelection: selects a GDI object into a device context and puts the previous one back when it goes.
#pragma once

#include <windows.h>

class ObjectSelection {
public:
    ObjectSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
    ~ObjectSelection()
    {
        if (m_previous && m_previous != HGDI_ERROR) {
            ::SelectObject(m_dc, m_previous);
        }
    }
    ObjectSelection(const ObjectSelection&) = delete;
    ObjectSelection& operator=(const ObjectSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
