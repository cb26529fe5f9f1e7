#include "palette_geometry.h"

#include "named_color_table.h"

std::optional<int> PaletteGeometry::hitTest(int x, int y)
{
    const int dx = x - OriginX;
    const int dy = y - OriginY;
    if (dx < 0 || dy < 0)
        return std::nullopt;
    const int column = dx / Pitch;
    const int row = dy / Pitch;
    if (column >= Columns || row > 5)
        return std::nullopt;
    const int index = row * Columns + column;
    if (index >= NamedColorTable::Count)
        return std::nullopt;
    return index;
}

PaletteGeometry::Rect PaletteGeometry::swatch(int index)
{
    const int originX = OriginX + Pitch * (index % Columns);
    const int originY = OriginY + Pitch * (index / Columns);
    return {originX + 1, originY + 1, Pitch - 1, Pitch - 1};
}
