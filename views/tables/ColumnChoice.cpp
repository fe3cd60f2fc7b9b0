#include "ColumnChoice.h"

#include <algorithm>
#include <utility>

CColumnChoice::CColumnChoice(std::vector<ColumnId> available, std::vector<ColumnId> shown, std::vector<ColumnId> table)
    : m_available(std::move(available)), m_shown(std::move(shown)), m_table(std::move(table))
{
}

CColumnChoice CColumnChoice::ForList(const std::vector<ColumnId>& list, ColumnRange range)
{
    std::vector<ColumnId> table, available, shown;
    for (ColumnId id = range.first(); id <= range.last; ++id) {
        table.push_back(id);
        if (std::find(list.begin(), list.end(), id) == list.end())
            available.push_back(id);
    }
    if (!list.empty())
        shown.assign(list.begin() + 1, list.end());
    return CColumnChoice(std::move(available), std::move(shown), std::move(table));
}

namespace {

bool Inside(int line, const std::vector<ColumnId>& list)
{
    return line >= 0 && line < static_cast<int>(list.size());
}

}  // namespace

int CColumnChoice::Add(int availableLine, int shownLine)
{
    if (!Inside(availableLine, m_available))
        return shownLine;
    const ColumnId id = m_available[static_cast<std::size_t>(availableLine)];
    m_available.erase(m_available.begin() + availableLine);
    if (Inside(shownLine, m_shown)) {
        m_shown.insert(m_shown.begin() + shownLine, id);
        return shownLine + 1;  // the line that was selected keeps its selection
    }
    m_shown.push_back(id);
    return -1;
}

int CColumnChoice::Remove(int shownLine)
{
    if (!Inside(shownLine, m_shown))
        return -1;
    m_available.push_back(m_shown[static_cast<std::size_t>(shownLine)]);
    m_shown.erase(m_shown.begin() + shownLine);
    return -1;
}

void CColumnChoice::Reset()
{
    m_available.clear();
    m_shown = m_table;
}

int CColumnChoice::MoveUp(int shownLine)
{
    if (!Inside(shownLine, m_shown) || shownLine == 0)
        return shownLine;
    std::swap(m_shown[static_cast<std::size_t>(shownLine)], m_shown[static_cast<std::size_t>(shownLine - 1)]);
    return shownLine - 1;
}

int CColumnChoice::MoveDown(int shownLine)
{
    if (!Inside(shownLine, m_shown) || shownLine + 1 >= static_cast<int>(m_shown.size()))
        return shownLine;
    std::swap(m_shown[static_cast<std::size_t>(shownLine)], m_shown[static_cast<std::size_t>(shownLine + 1)]);
    return shownLine + 1;
}
