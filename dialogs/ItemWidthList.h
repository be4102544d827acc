// ItemWidthList: the pixel widths of a list's items, widest first, so the widest is known at once.
#pragma once

#include <vector>

class ItemWidthList {
public:
    // Adds a width after any equal ones.
    void Insert(int width);
    // Removes one entry equal to width; nothing when there is none.
    void Remove(int width);
    // The first entry, or 0 when the list is empty.
    int Widest() const;
    const std::vector<int>& Widths() const { return m_widths; }

private:
    std::vector<int> m_widths;
};
