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

// The scans call byte(x, y) with the first cell of each of the 32 bytes, in their order.

// Rows from the top, each as its left half and then its right half; the bytes run across.
template <class Byte>
void ScanRows(const Byte& byte) {
    float y = 15.5f;
    for (int row = 0; row < 16; ++row, y -= 1.0f) {
        float x = 0.5f;
        for (int half = 0; half < 2; ++half, x += 8.0f) byte(x, y);
    }
}

// Columns from the left, each as its upper half and then its lower half; the bytes run down.
template <class Byte>
void ScanColumns(const Byte& byte) {
    float x = 0.5f;
    for (int column = 0; column < 16; ++column, x += 1.0f) {
        float y = 15.5f;
        for (int half = 0; half < 2; ++half, y -= 8.0f) byte(x, y);
    }
}

// Two bands of eight rows, the top band first, each band's columns from the left: the page
// layout of SSD1306-class controllers. The bytes run down.
template <class Byte>
void ScanPages(const Byte& byte) {
    float y = 15.5f;
    for (int band = 0; band < 2; ++band, y -= 8.0f) {
        float x = 0.5f;
        for (int column = 0; column < 16; ++column, x += 1.0f) byte(x, y);
    }
}
