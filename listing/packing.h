#pragma once

#include <cstdint>

// How 256 cells become 32 bytes. A cell is read by its centre in grid units: column c at
// x = c + 0.5 from the left, row r at y = r + 0.5 from the bottom, so the top-left cell is
// (0.5, 15.5). A cell reader returns 1 for a lit cell and 0 for an unlit one.

// Eight neighbouring cells from the one centred on (x, y), rightwards when across, else
// downwards; the first cell read is bit 7.
template <class CellReader>
uint8_t PackByte(const CellReader& cell, float x, float y, bool across) {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        byte = uint8_t(byte * 2 + cell(x, y));
        if (across)
            x += 1.0f;
        else
            y -= 1.0f;
    }
    return byte;
}

// The scans call byte(x, y) with the first cell of each byte of a glyph of width x height cells,
// in their order. A byte that would run past the glyph's edge takes unlit cells there. The
// window's grid is the case of 16 x 16 cells: 32 bytes.

// Rows from the top, each as bytes of eight cells from the left; the bytes run across.
template <class Byte>
void ScanRows(int width, int height, const Byte& byte) {
    float y = float(height) - 0.5f;
    for (int row = 0; row < height; ++row, y -= 1.0f) {
        float x = 0.5f;
        for (int part = 0; part < (width + 7) / 8; ++part, x += 8.0f) byte(x, y);
    }
}

// Columns from the left, each as bytes of eight cells from the top; the bytes run down.
template <class Byte>
void ScanColumns(int width, int height, const Byte& byte) {
    float x = 0.5f;
    for (int column = 0; column < width; ++column, x += 1.0f) {
        float y = float(height) - 0.5f;
        for (int part = 0; part < (height + 7) / 8; ++part, y -= 8.0f) byte(x, y);
    }
}

// Bands of eight rows, the top band first, each band's columns from the left: the page layout of
// SSD1306-class controllers. The bytes run down.
template <class Byte>
void ScanPages(int width, int height, const Byte& byte) {
    float y = float(height) - 0.5f;
    for (int band = 0; band < (height + 7) / 8; ++band, y -= 8.0f) {
        float x = 0.5f;
        for (int column = 0; column < width; ++column, x += 1.0f) byte(x, y);
    }
}
