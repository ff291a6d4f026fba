#include "font/layouttext.h"

#include <algorithm>
#include <bit>

namespace {

int bytesOf(int pixels) {
    return (pixels + 7) / 8;
}

QString count(int bytes) {
    static const char* const words[] = {"", "one byte", "two bytes", "three bytes"};
    return bytes < 4 ? QString::fromLatin1(words[bytes]) : QStringLiteral("%1 bytes").arg(bytes);
}

struct Place {
    int byte, bit;
};

// Found by packing each pixel alone, so the picture shows what the layout really does.
std::vector<Place> places(const Layout& layout, QSize size, QSize shown) {
    Layout positive = layout;
    positive.negative = false;
    std::vector<Place> found;
    for (int r = 0; r < shown.height(); ++r) {
        for (int c = 0; c < shown.width(); ++c) {
            Glyph glyph(size);
            glyph.set(c, r);
            const std::vector<uint8_t> bytes = positive.bytes(glyph);
            const auto byte = std::find_if(bytes.begin(), bytes.end(), [](uint8_t b) { return b; });
            found.push_back({int(byte - bytes.begin()), std::countr_zero(*byte)});
        }
    }
    return found;
}

// Each row, then the bytes that hold it: the bytes of a row scan run across.
QStringList across(const std::vector<Place>& found, QSize shown) {
    QStringList lines;
    for (int r = 0; r < shown.height(); ++r) {
        QString line = QStringLiteral("  ");
        QStringList bytes;
        for (int c = 0; c < shown.width(); ++c) {
            const Place place = found[size_t(r * shown.width() + c)];
            line += QStringLiteral(" %1").arg(place.bit);
            if (bytes.isEmpty() || bytes.back() != QString::number(place.byte))
                bytes << QString::number(place.byte);
        }
        lines << line +
                     (bytes.size() > 1 ? QStringLiteral("   bytes ") : QStringLiteral("   byte ")) +
                     bytes.join(QStringLiteral(", "));
    }
    return lines;
}

// Each row, then the byte of each column under them: the bytes of columns and pages run down.
QStringList down(const std::vector<Place>& found, QSize shown) {
    const int width = int(QString::number(found.back().byte).size()) + 1;
    QStringList lines;
    for (int r = 0; r < shown.height(); ++r) {
        QString line = QStringLiteral("      ");
        for (int c = 0; c < shown.width(); ++c)
            line += QStringLiteral("%1").arg(found[size_t(r * shown.width() + c)].bit, width);
        lines << line;
    }
    QString bytes = QStringLiteral("byte  ");
    for (int c = 0; c < shown.width(); ++c) bytes += QStringLiteral("%1").arg(found[c].byte, width);
    return lines << bytes;
}

}  // namespace

QStringList BitPicture(const Layout& layout, QSize size) {
    const QSize shown(std::min(size.width(), 16), std::min(size.height(), 8));
    const std::vector<Place> found = places(layout, size, shown);
    const bool rows = layout.scan == Scan::Rows;
    return QStringList{QStringLiteral("The top-left %1 x %2 pixels, each as its bit, and the "
                                      "bytes that hold them (%3):")
                           .arg(shown.width())
                           .arg(shown.height())
                           .arg(rows ? QStringLiteral("on the right") : QStringLiteral("below"))} +
           (rows ? across(found, shown) : down(found, shown));
}

QStringList LayoutDescription(const Layout& layout, QSize size) {
    const int w = size.width(), h = size.height();
    QString order, first = QStringLiteral("top");
    switch (layout.scan) {
        case Scan::Rows:
            order = QStringLiteral("across rows: the rows from the top, each as %1 from the left")
                        .arg(count(bytesOf(w)));
            first = QStringLiteral("leftmost");
            break;
        case Scan::Columns:
            order =
                QStringLiteral("down columns: the columns from the left, each as %1 from the top")
                    .arg(count(bytesOf(h)));
            break;
        case Scan::Pages:
            order =
                QStringLiteral(
                    "in pages: %1 of eight pixel rows from the top, each band one byte a column "
                    "from the left")
                    .arg(bytesOf(h) == 1 ? QStringLiteral("one band")
                                         : QStringLiteral("%1 bands").arg(bytesOf(h)));
            break;
    }
    const int along = layout.across() ? w : h;
    const int spare = 8 * bytesOf(along) - along;
    const QString padding =
        spare ? QStringLiteral(" The last %1 of a %2 lie past the glyph's edge and are unlit: %3.")
                    .arg(spare == 1 ? QStringLiteral("bit") : QStringLiteral("%1 bits").arg(spare))
                    .arg(layout.across() ? QStringLiteral("row") : QStringLiteral("column"))
                    .arg(layout.negative ? 1 : 0)
              : QString();
    return {
        QStringLiteral("Scan %1.").arg(order),
        QStringLiteral("Bits: the %1 pixel of a byte is bit %2.%3")
            .arg(first, layout.firstInBit0() ? QStringLiteral("0") : QStringLiteral("7"), padding),
        QStringLiteral("Polarity: a lit LED is a %1 bit.")
            .arg(layout.negative ? QStringLiteral("0") : QStringLiteral("1"))};
}
