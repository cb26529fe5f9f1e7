#pragma once

#include "color_value.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <vector>

struct ColorUndoEntry {
    int slot = 0;         // the ColorSlot an apply changed
    ColorValue color = 0; // what the slot held before it
};

// The slot colours replaced by applies, newest on top. No size limit of its own.
class ColorUndoStack {
public:
    // Throws std::bad_alloc when no entry can be stored; the stack is then unchanged.
    void push(int slot, ColorValue color);
    std::optional<ColorUndoEntry> top() const;
    void pop();
    void clear();
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

    // How many entries memory allows. Unlimited, except where a test stands in for a full heap.
    void setEntryLimit(std::size_t limit) { m_entryLimit = limit; }

private:
    std::vector<ColorUndoEntry> m_entries;
    std::size_t m_entryLimit = std::numeric_limits<std::size_t>::max();
};
