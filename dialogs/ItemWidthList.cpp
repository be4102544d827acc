#include "dialogs/ItemWidthList.h"

#include <algorithm>
#include <functional>

void ItemWidthList::Insert(int width)
{
    // Descending order: the first entry smaller than width is where it goes.
    const auto at = std::upper_bound(m_widths.begin(), m_widths.end(), width, std::greater<int>());
    m_widths.insert(at, width);
}

void ItemWidthList::Remove(int width)
{
    const auto at = std::find(m_widths.begin(), m_widths.end(), width);
    if (at != m_widths.end()) {
        m_widths.erase(at);
    }
}

int ItemWidthList::Widest() const
{
    return m_widths.empty() ? 0 : m_widths.front();
}
