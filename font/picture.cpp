#include "font/picture.h"

#include <algorithm>
#include <bit>

namespace {

struct Place {
    int byte, bit;
};

// Found by packing each pixel alone, so the picture shows what the layout really does.
std::vector<Place> places(const Layout& layout, QSize size, QSize shown) {
    Layout positive = layout;
    positive.negative = false;
    Glyph glyph(size);
    std::vector<Place> found;
    for (int r = 0; r < shown.height(); ++r) {
        for (int c = 0; c < shown.width(); ++c) {
            glyph.ink.assign(glyph.ink.size(), false);
            glyph.ink[size.width() * r + c] = true;
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
