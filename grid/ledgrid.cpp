#include "grid/ledgrid.h"

#include "grid/cells.h"
#include "grid/colours.h"
#include "grid/surface.h"

void SetUpGrid(Surface& surface) {
    surface.Scale(0, GridSide, GridSide, 0);
}

void PaintLedGrid(Surface& surface, const std::array<const char*, GridSide>& rowsTopFirst) {
    SetUpGrid(surface);
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) {
            const bool lit = rowsTopFirst[GridSide - 1 - r][c] == '#';
            PaintCell(surface, c + 0.5f, r + 0.5f, lit ? LitColour : UnlitColour);
        }
    }
}
