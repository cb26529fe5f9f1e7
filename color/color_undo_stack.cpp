#include "color_undo_stack.h"

#include <algorithm>
#include <new>

void ColorUndoStack::push(int slot, ColorValue color, ColorSetKind set)
{
    if (m_entries.size() >= m_entryLimit)
        throw std::bad_alloc();
    m_entries.push_back({slot, color, set}); // strong guarantee: unchanged if this throws
}

std::optional<ColorUndoEntry> ColorUndoStack::top() const
{
    if (m_entries.empty())
        return std::nullopt;
    return m_entries.back();
}

void ColorUndoStack::pop()
{
    if (!m_entries.empty())
        m_entries.pop_back();
}

void ColorUndoStack::clear()
{
    m_entries.clear();
    m_entries.shrink_to_fit();
}

void ColorUndoStack::removeSet(ColorSetKind set)
{
    std::erase_if(m_entries, [set](const ColorUndoEntry& e) { return e.set == set; });
}
