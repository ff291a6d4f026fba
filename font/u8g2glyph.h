#pragma once

#include "font/fontglyphs.h"

#include <QByteArray>

#include <array>
#include <cstdint>

// A glyph as u8g2 stores it in its fonts: its ink's box, offsets and advance in bit fields as
// wide as the font makes them, then its pixels, row by row from the top, as pairs of a run of
// unlit and a run of lit pixels in widths chosen for the whole font.

// The widths in bits of a glyph's fields: its box's width and height, unsigned; its left and
// bottom offsets and its advance, signed.
struct U8g2Fields {
    int width = 0, height = 0, left = 0, bottom = 0, advance = 0;

    int total() const { return width + height + left + bottom + advance; }
    int widest() const;
    // As wide as both need.
    U8g2Fields operator|(const U8g2Fields& other) const;
};

// The widths the glyph's own values need.
U8g2Fields U8g2FieldsOf(const FontGlyph& glyph);

// The runs' widths that bdfconv chooses among, each choice a number below U8g2RunChoices: 2 to 8
// bits for a run of unlit pixels, 2 to 6 for a run of lit ones.
constexpr int U8g2RunChoices = 35;
int U8g2ZeroBits(int choice);
int U8g2OneBits(int choice);

// A glyph's record's length in bytes with each choice of the runs' widths.
using U8g2Lengths = std::array<uint16_t, U8g2RunChoices>;

U8g2Lengths U8g2Weigh(const FontGlyph& glyph, const U8g2Fields& fields);

// The glyph's record: its code (in one byte below 256 and in two from there), the record's
// length, then its bits, the first in bit 0.
QByteArray U8g2Record(const FontGlyph& glyph, const U8g2Fields& fields, int choice, int length);
