#pragma once

#include <cstdint>

// How cells become bytes, the one walk that both packs and unpacks them. A cell is addressed by
// whole (column, row), rows from the top: the window's grid is 16 x 16 of them, a glyph W x H.

// The eight cells of a byte from cell (c, r): rightwards when across, else downwards. The visit
// gets each cell with the bit it stands for, bit 7 first.
template <class Visit>
void ForEachBit(int c, int r, bool across, const Visit& visit) {
    for (int k = 0; k < 8; ++k) visit(across ? c + k : c, across ? r : r + k, 7 - k);
}

// The byte of those eight cells, as the cell reader gives them: 1 lit, 0 unlit.
template <class Cell>
uint8_t PackByte(const Cell& cell, int c, int r, bool across) {
    uint8_t byte = 0;
    ForEachBit(c, r, across, [&](int c, int r, int) { byte = uint8_t(byte * 2 + cell(c, r)); });
    return byte;
}

// The scans call byte(c, r) with the first cell of each byte of a W x H glyph, in their order. A
// byte that runs past the glyph's edge takes cells outside it there. The window's grid is the
// case of 16 x 16 cells: 32 bytes.

// Rows from the top, each as bytes of eight cells from the left; the bytes run across.
template <class Byte>
void ScanRows(int width, int height, const Byte& byte) {
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; c += 8) byte(c, r);
}

// Columns from the left, each as bytes of eight cells from the top; the bytes run down.
template <class Byte>
void ScanColumns(int width, int height, const Byte& byte) {
    for (int c = 0; c < width; ++c)
        for (int r = 0; r < height; r += 8) byte(c, r);
}

// Bands of eight rows, the top band first, each band's columns from the left: the page layout of
// SSD1306-class controllers. The bytes run down.
template <class Byte>
void ScanPages(int width, int height, const Byte& byte) {
    for (int r = 0; r < height; r += 8)
        for (int c = 0; c < width; ++c) byte(c, r);
}
