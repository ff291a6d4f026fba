#include "font/layout.h"

#include "listing/packing.h"

namespace {

uint8_t reversed(uint8_t byte) {
    uint8_t result = 0;
    for (int bit = 0; bit < 8; ++bit, byte >>= 1) result = uint8_t(result << 1 | (byte & 1));
    return result;
}

template <class Byte>
void forEachByte(Scan order, QSize size, const Byte& byte) {
    switch (order) {
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

QString count(int bytes) {
    static const char* const words[] = {"", "one byte", "two bytes", "three bytes"};
    return bytes < 4 ? QString::fromLatin1(words[bytes]) : QStringLiteral("%1 bytes").arg(bytes);
}

}  // namespace

std::vector<uint8_t> Layout::bytes(const Glyph& glyph) const {
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(byteCount(glyph.size)));
    const bool across = scan == Scan::Rows;
    const bool reverse = firstInBit0();  // PackByte puts the first pixel in bit 7
    const auto lit = [&](float x, float y) { return glyph.cell(x, y); };
    const auto inside = [&](float x, float y) { return glyph.inside(x, y); };
    forEachByte(scan, glyph.size, [&](float x, float y) {
        uint8_t byte = PackByte(lit, x, y, across);
        if (negative) byte = uint8_t(~byte & PackByte(inside, x, y, across));
        bytes.push_back(reverse ? reversed(byte) : byte);
    });
    return bytes;
}

Glyph Layout::glyph(const uint8_t* bytes, QSize size) const {
    Glyph glyph(size);
    const bool across = scan == Scan::Rows;
    const bool reverse = firstInBit0();
    forEachByte(scan, size, [&](float x, float y) {
        uint8_t byte = reverse ? reversed(*bytes++) : *bytes++;
        if (negative) byte = uint8_t(~byte);
        // As PackByte reads them: the first cell is bit 7.
        for (int bit = 7; bit >= 0; --bit) {
            glyph.setCell(x, y, byte >> bit & 1);
            if (across)
                x += 1.0f;
            else
                y -= 1.0f;
        }
    });
    return glyph;
}

int Layout::byteCount(QSize size) const {
    return scan == Scan::Rows ? size.height() * bytesOf(size.width())
                              : size.width() * bytesOf(size.height());
}

QString Layout::description(QSize size) const {
    const int w = size.width(), h = size.height();
    QString order, first;
    switch (scan) {
        case Scan::Rows:
            order = QStringLiteral("across rows: the rows from the top, each as %1 from the left")
                        .arg(count(bytesOf(w)));
            first = QStringLiteral("leftmost");
            break;
        case Scan::Columns:
            order =
                QStringLiteral("down columns: the columns from the left, each as %1 from the top")
                    .arg(count(bytesOf(h)));
            first = QStringLiteral("top");
            break;
        case Scan::Pages:
            order =
                QStringLiteral(
                    "in pages: %1 of eight pixel rows from the top, each band one byte a column "
                    "from the left")
                    .arg(bytesOf(h) == 1 ? QStringLiteral("one band")
                                         : QStringLiteral("%1 bands").arg(bytesOf(h)));
            first = QStringLiteral("top");
            break;
    }
    const int spare = 8 * bytesOf(scan == Scan::Rows ? w : h) - (scan == Scan::Rows ? w : h);
    const QString padding =
        spare ? QStringLiteral(" The last %1 of a %2 lie past the glyph's edge and are 0.")
                    .arg(spare == 1 ? QStringLiteral("bit") : QStringLiteral("%1 bits").arg(spare))
                    .arg(scan == Scan::Rows ? QStringLiteral("row") : QStringLiteral("column"))
              : QString();
    return QStringLiteral(
               "Scan %1.\nBits: the %2 pixel of a byte is bit %3.%4\nPolarity: a lit LED "
               "is a %5 bit.")
        .arg(order, first, firstInBit0() ? QStringLiteral("0") : QStringLiteral("7"), padding,
             negative ? QStringLiteral("0") : QStringLiteral("1"));
}
