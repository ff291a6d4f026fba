#include "font/layout.h"

#include "listing/packing.h"

namespace {

uint8_t reversed(uint8_t byte) {
    uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit, byte >>= 1) result = uint8_t(result << 1 | (byte & 1));
    return result;
}

}  // namespace

std::array<uint8_t, 32> Layout::bytes(const Glyph& glyph) const {
    std::array<uint8_t, 32> bytes;
    int i = 0;
    const auto cell = [&](float x, float y) { return glyph.cell(x, y); };
    const bool reverse = firstInBit0();  // PackByte puts the first pixel in bit 7
    const auto pack = [&](bool across) {
        return [&, across](float x, float y) {
            uint8_t byte = PackByte(cell, x, y, across);
            if (reverse) byte = reversed(byte);
            bytes[i++] = negative ? uint8_t(~byte) : byte;
        };
    };
    switch (scan) {
        case Scan::Rows:
            ScanRows(pack(true));
            break;
        case Scan::Columns:
            ScanColumns(pack(false));
            break;
        case Scan::Pages:
            ScanPages(pack(false));
            break;
    }
    return bytes;
}

QString Layout::description() const {
    QString order, first;
    switch (scan) {
        case Scan::Rows:
            order = QStringLiteral(
                "across rows: the rows from the top, each as two bytes, its left "
                "half first");
            first = QStringLiteral("leftmost");
            break;
        case Scan::Columns:
            order = QStringLiteral(
                "down columns: the columns from the left, each as two bytes, "
                "its upper half first");
            first = QStringLiteral("top");
            break;
        case Scan::Pages:
            order = QStringLiteral(
                "in pages: two bands of eight pixel rows, the top band first, "
                "each band one byte a column from the left");
            first = QStringLiteral("top");
            break;
    }
    return QStringLiteral(
               "Scan %1.\nBits: the %2 pixel of a byte is bit %3.\nPolarity: a lit LED "
               "is a %4 bit.")
        .arg(order, first, firstInBit0() ? QStringLiteral("0") : QStringLiteral("7"),
             negative ? QStringLiteral("0") : QStringLiteral("1"));
}
