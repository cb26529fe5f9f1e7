#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

#include "body_colors.h"

struct ColorUndoEntry {
    int slot = 0;                           // the ColorSlot an apply changed
    ColorValue color = 0;                   // what the slot held before it
    ColorSetKind set = ColorSetKind::Light; // the set that slot belongs to
};

// The slot colours replaced by applies, newest on top. No size limit of its own.
class ColorUndoStack {
public:
    // Throws std::bad_alloc when no entry can be stored; the stack is then unchanged.
    void push(int slot, ColorValue color, ColorSetKind set = ColorSetKind::Light);
    std::optional<ColorUndoEntry> top() const;
    void pop();
    void clear();
    // Drops every entry of one set, keeping the order of the others: a deleted dark set
    // leaves nothing to put back.
    void removeSet(ColorSetKind set);
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

    // How many entries memory allows. Unlimited, except where a test stands in for a full heap.
    void setEntryLimit(std::size_t limit) { m_entryLimit = limit; }

private:
    std::vector<ColorUndoEntry> m_entries;
    std::size_t m_entryLimit = std::numeric_limits<std::size_t>::max();
};
