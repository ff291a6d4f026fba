#pragma once

#include "glyph/glyph.h"

#include <QSize>

#include <cstdint>
#include <vector>

// How a table lays out the bytes of a glyph. Rows and columns are the window's two scans; pages
// are the SSD1306 class of controllers'.
enum class Scan { Rows, Columns, Pages };

struct Layout {
    Scan scan = Scan::Rows;
    bool lsbFirst = false;  // the first pixel of a byte in bit 0 (for pages: in bit 7)
    // A lit LED is a 0 bit. Bits past the glyph's edge are unlit as the others: 0, or 1 when
    // negative, so that a row shifted out whole lights nothing beside the glyph.
    bool negative = false;

    // Whether the bytes of a scan run across, or down.
    bool across() const { return scan == Scan::Rows; }
    // Whether the first pixel of a byte is bit 0: pages start there, the window's scans at bit 7.
    bool firstInBit0() const { return lsbFirst != (scan == Scan::Pages); }
    // How many bytes a glyph of the size takes.
    int byteCount(QSize size) const;

    // The byteCount() bytes of the glyph, packed by the window's own rule.
    void pack(const Glyph& glyph, uint8_t* bytes) const;
    std::vector<uint8_t> bytes(const Glyph& glyph) const;
    // The glyph those bytes were packed from, byteCount(size) of them: bits past its edge are
    // not read.
    Glyph glyph(const uint8_t* bytes, QSize size) const;
};
