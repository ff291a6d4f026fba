#include "glyph/layout.h"

#include "listing/packing.h"

namespace {

uint8_t reversed(uint8_t byte) {
    uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit, byte >>= 1) result = uint8_t(result << 1 | (byte & 1));
    return result;
}

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

void Layout::pack(const Glyph& glyph, std::vector<uint8_t>& bytes) const {
    const QRect inside(QPoint(), glyph.size());
    const auto lit = [&](int c, int r) { return glyph.at(c, r) ? 1 : 0; };
    const auto within = [&](int c, int r) { return inside.contains(c, r) ? 1 : 0; };
    forEachByte(scan, glyph.size(), [&](int c, int r) {
        uint8_t byte = PackByte(lit, c, r, across());
        if (negative) byte = uint8_t(~byte & PackByte(within, c, r, across()));
        bytes.push_back(firstInBit0() ? reversed(byte) : byte);
    });
}

std::vector<uint8_t> Layout::bytes(const Glyph& glyph) const {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(byteCount(glyph.size())));
    pack(glyph, bytes);
    return bytes;
}

Glyph Layout::glyph(const uint8_t* bytes, QSize size) const {
    Glyph glyph(size);
    const QRect inside(QPoint(), size);
    forEachByte(scan, size, [&](int c, int r) {
        uint8_t byte = firstInBit0() ? reversed(*bytes++) : *bytes++;
        if (negative) byte = uint8_t(~byte);
        ForEachBit(c, r, across(), [&](int c, int r, int bit) {
            if (inside.contains(c, r)) glyph.set(c, r, byte >> bit & 1);
        });
    });
    return glyph;
}
