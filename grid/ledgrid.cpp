#include "grid/ledgrid.h"

#include "app/form1.h"
#include "grid/colours.h"
#include "grid/picturebox.h"

void SetUpGrid(Surface& surface) {
    surface.Scale(0, 16, 16, 0);
}

QImage PaintLedGrid(QSize size, const std::array<const char*, 16>& rowsTopFirst) {
    Surface surface(size);
    SetUpGrid(surface);
    surface.setFillStyle(0);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            surface.setFillColor(rowsTopFirst[15 - r][c] == '#' ? LitColour : UnlitColour);
            surface.Circle(c + 0.5f, r + 0.5f, 0.5f, RimColour);
        }
    }
    return surface.image();
}

uint8_t Form1::LED_Byte(float x, float y) const {
    return Picled->Point(x, y) == LitColour ? 1 : 0;
}

void Form1::PaintAllCells(uint8_t fillStyle, int32_t fillColour) {
    Picled->setFillStyle(fillStyle);
    Picled->setFillColor(fillColour);
    // Row by row from the bottom, each row from the left.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) Picled->Circle(x + 0.5f, y + 0.5f, 0.5f, RimColour);
    }
}
