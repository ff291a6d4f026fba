#include "glyph/layout.h"

#include "listing/packing.h"

#include <array>

namespace {

// Each byte with its bits in the other order.
constexpr std::array<uint8_t, 256> Reversed = [] {
    std::array<uint8_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        for (int bit = 0; bit < 8; ++bit)
            if (byte >> bit & 1) table[byte] |= uint8_t(0x80 >> bit);
    return table;
}();

template <class Byte>
void forEachByte(Scan scan, QSize size, const Byte& byte) {
    switch (scan) {
        case Scan::Rows:
            return ScanRows(size.width(), size.height(), byte);
        case Scan::Columns:
            return ScanColumns(size.width(), size.height(), byte);
        case Scan::Pages:
            return ScanPages(size.width(), size.height(), byte);
    }
}

int bytesOf(int pixels) {
    return (pixels + 7) / 8;
}

}  // namespace

int Layout::byteCount(QSize size) const {
    return across() ? size.height() * bytesOf(size.width()) : size.width() * bytesOf(size.height());
}

// The cells are read from a copy of the pixels padded with unlit cells to whole bytes both ways,
// so that no read needs to ask whether it is past an edge.
void Layout::pack(const Glyph& glyph, uint8_t* bytes) const {
    const int width = glyph.width(), height = glyph.height();
    const int padded = 8 * bytesOf(width);
    thread_local std::vector<uint8_t> cells;
    cells.assign(size_t(padded) * size_t(8 * bytesOf(height)), 0);
    for (int r = 0; r < height; ++r)
        std::copy(glyph.row(r), glyph.row(r) + width, cells.begin() + r * padded);
    const auto lit = [&](int c, int r) { return cells[size_t(r * padded + c)]; };
    // A bit past the edge is an unlit cell too: under negative it is 1.
    forEachByte(scan, glyph.size(), [&](int c, int r) {
        uint8_t byte = PackByte(lit, c, r, across());
        if (negative) byte = uint8_t(~byte);
        *bytes++ = firstInBit0() ? Reversed[byte] : byte;
    });
}

std::vector<uint8_t> Layout::bytes(const Glyph& glyph) const {
    std::vector<uint8_t> bytes(size_t(byteCount(glyph.size())));
    pack(glyph, bytes.data());
    return bytes;
}

Glyph Layout::glyph(const uint8_t* bytes, QSize size) const {
    Glyph glyph(size);
    const QRect inside(QPoint(), size);
    forEachByte(scan, size, [&](int c, int r) {
        uint8_t byte = firstInBit0() ? Reversed[*bytes++] : *bytes++;
        if (negative) byte = uint8_t(~byte);
        ForEachBit(c, r, across(), [&](int c, int r, int bit) {
            if (inside.contains(c, r)) glyph.set(c, r, byte >> bit & 1);
        });
    });
    return glyph;
}
