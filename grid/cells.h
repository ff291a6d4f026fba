#pragma once

#include <cstdint>

class Surface;

// The LED cells of a grid surface (set up by SetUpGrid). A cell's state is the colour at its
// centre and nothing else: exactly the lit colour is lit, any other colour is unlit.

// The cell a press coordinate falls in: minus 0.5, then the nearest whole number, halves going to
// the even one; outside 0 to 255 it overflows. The top pixel row lies exactly on y = 16 and
// counts as row 15, the row under the pointer.
uint8_t SnapToCell(float coordinate);

// 1 when the pixel under (x, y) is exactly the lit colour, else 0.
uint8_t CellBit(const Surface& grid, float x, float y);

// Repaints the cell centred on (x, y) whole, rim and solid fill.
void PaintCell(Surface& grid, float x, float y, int32_t fillColour);

// Lights an unlit cell and puts out a lit one.
void FlipCell(Surface& grid, float x, float y);

// Every cell, row by row from the bottom, each row from the left; nothing cleared first.
void PaintAllCells(Surface& grid, uint8_t fillStyle, int32_t fillColour);
void FlipAllCells(Surface& grid);
