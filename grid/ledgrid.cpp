#include "grid/ledgrid.h"

#include "grid/cells.h"
#include "grid/colours.h"
#include "grid/surface.h"

void SetUpGrid(Surface& surface) {
    surface.Scale(0, 16, 16, 0);
}

void PaintLedGrid(Surface& surface, const std::array<const char*, 16>& rowsTopFirst) {
    SetUpGrid(surface);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const bool lit = rowsTopFirst[15 - r][c] == '#';
            PaintCell(surface, c + 0.5f, r + 0.5f, lit ? LitColour : UnlitColour);
        }
    }
}
