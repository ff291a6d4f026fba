#include "grid/cells.h"

#include "grid/colours.h"
#include "grid/ledgrid.h"
#include "grid/runtimeerror.h"
#include "grid/surface.h"

#include <cmath>

namespace {

// The nearest whole number, halves going to the even one; outside 0 to 255 it overflows.
uint8_t CByte(float value) {
    const float whole = std::nearbyint(value);
    if (!(whole >= 0 && whole <= 255)) throw RunTimeError::Overflow();
    return uint8_t(whole);
}

}  // namespace

uint8_t SnapToCell(float coordinate) {
    const uint8_t cell = CByte(coordinate - 0.5f);
    return cell == GridSide ? GridSide - 1 : cell;
}

uint8_t CellBit(const Surface& grid, float x, float y) {
    return grid.Point(x, y) == LitColour ? 1 : 0;
}

// The colour before the style, both before the circle.
void PaintCell(Surface& grid, float x, float y, int32_t fillColour) {
    grid.setFillColor(fillColour);
    grid.setFillStyle(0);
    grid.Circle(x, y, 0.5f, RimColour);
}

void FlipCell(Surface& grid, float x, float y) {
    PaintCell(grid, x, y, CellBit(grid, x, y) ? UnlitColour : LitColour);
}

void PaintAllCells(Surface& grid, uint8_t fillStyle, int32_t fillColour) {
    grid.setFillStyle(fillStyle);
    grid.setFillColor(fillColour);
    for (int y = 0; y < GridSide; ++y) {
        for (int x = 0; x < GridSide; ++x) grid.Circle(x + 0.5f, y + 0.5f, 0.5f, RimColour);
    }
}

void FlipAllCells(Surface& grid) {
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) FlipCell(grid, c + 0.5f, r + 0.5f);
    }
}
