#include "capture/capture.h"

#include "grid/surface.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerPixel = 15;

bool isInk(int32_t colour) {
    return colour <= 99;
}

}  // namespace

uint8_t Glyph::inside(float x, float y) const {
    const int c = int(std::floor(x)), r = size.height() - 1 - int(std::floor(y));
    return c >= 0 && r >= 0 && c < size.width() && r < size.height() ? 1 : 0;
}

uint8_t Glyph::cell(float x, float y) const {
    return inside(x, y) && inkAt(int(x), size.height() - 1 - int(y)) ? 1 : 0;
}

void Glyph::setCell(float x, float y, bool lit) {
    if (inside(x, y)) ink[size.width() * (size.height() - 1 - int(y)) + int(x)] = lit;
}

void PrintText(Surface& canvas, const QString& text, const QFont& font, QPoint at) {
    canvas.Cls();
    canvas.setCurrentX(float(TwipsPerPixel * at.x()));
    canvas.setCurrentY(float(TwipsPerPixel * at.y()));
    canvas.Print(text, font);
}

Glyph SampleGlyph(const Surface& canvas, QSize size, QPoint square) {
    Glyph glyph;
    glyph.size = size;
    for (int r = 0; r < size.height(); ++r) {
        const float y = float(TwipsPerPixel * (square.y() + r));
        for (int c = 0; c < size.width(); ++c) {
            const float x = 0.75f + float(TwipsPerPixel * (square.x() + c));
            glyph.ink[size.width() * r + c] = isInk(canvas.Point(x, y));
        }
    }
    return glyph;
}

Glyph CaptureGlyph(Surface& canvas, const QString& text, const QFont& font,
                   const Placement& placement) {
    PrintText(canvas, text, font, placement.print);
    return SampleGlyph(canvas, placement.size, placement.square);
}

// Straight from the image's lines, a span at a time, as this runs once for every glyph of a
// table: the print is black on white, so a span holds ink when its pixels ANDed together are not
// white.
bool InkOutside(const Surface& canvas, QRect square) {
    const QImage& image = canvas.image();
    const auto inkIn = [&](int y, int from, int to) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb all = 0xFFFFFFFF;
        for (int x = from; x < to; ++x) all &= line[x];
        return isInk(ColourOf(all));
    };
    for (int y = 0; y < image.height(); ++y) {
        const bool beside = y >= square.top() && y <= square.bottom();
        if (beside ? inkIn(y, 0, std::max(0, square.left())) ||
                         inkIn(y, std::min(image.width(), square.right() + 1), image.width())
                   : inkIn(y, 0, image.width()))
            return true;
    }
    return false;
}
