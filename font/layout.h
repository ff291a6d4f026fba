#pragma once

#include "capture/capture.h"

#include <QString>

#include <array>
#include <cstdint>

// How a table lays out the 32 bytes of a glyph. Rows and columns are the window's two scans;
// pages are the SSD1306 class of controllers'.
enum class Scan { Rows, Columns, Pages };

struct Layout {
    Scan scan = Scan::Rows;
    bool lsbFirst = false;  // the first pixel of a byte in bit 0 (for pages: in bit 7)
    bool negative = false;  // a lit LED is a 0 bit

    // The bytes of the glyph, packed by the window's own rule.
    std::array<uint8_t, 32> bytes(const Glyph& glyph) const;
    // Whether the first pixel of a byte is bit 0: pages start there, the window's scans at bit 7.
    bool firstInBit0() const { return lsbFirst != (scan == Scan::Pages); }
    // The byte of an all-unlit glyph.
    uint8_t blank() const { return negative ? 0xFF : 0x00; }
    // For the comment on top of a table: how to read its bytes.
    QString description() const;
};
