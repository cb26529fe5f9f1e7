#pragma once

#include <optional>

// Where the named colours sit on the 282 x 94 palette image: 24 cells a row,
// one every 11 pixels, the first with its top-left corner at (8, 7).
namespace PaletteGeometry {
constexpr int Width = 282;
constexpr int Height = 94;
constexpr int Columns = 24;
constexpr int Pitch = 11;
constexpr int OriginX = 8;
constexpr int OriginY = 7;

struct Rect {
    int x, y, width, height;
};

// The cell under a point of the image; each cell's hit square includes the
// background line left of and above its swatch.
std::optional<int> hitTest(int x, int y);

// The 10 x 10 swatch of cell i, inside its hit square.
Rect swatch(int index);
} // namespace PaletteGeometry
