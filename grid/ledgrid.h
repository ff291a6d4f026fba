#pragma once

#include <array>

class Surface;

// The grid's cells a side.
constexpr int GridSide = 16;

// Sets up a surface as the LED grid: x from 0 at the left edge to 16 at the right edge, y from 16
// at the top edge to 0 at the bottom edge, so cell (c, r) has its centre at (c + 0.5, r + 0.5).
void SetUpGrid(Surface& surface);

// Sets up the surface as the grid and paints every cell: lit where the pattern row (top row
// first) has '#', unlit elsewhere.
void PaintLedGrid(Surface& surface, const std::array<const char*, GridSide>& rowsTopFirst);
