#include "capture/capture.h"

#include "capture/glyphprint.h"
#include "grid/colours.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

void DrawText(QImage& image, QPointF at, const QString& text, const QFont& font) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(at.x(), at.y() + QFontMetricsF(font).ascent()), text);
}

void PrintText(QImage& image, QPoint at, const QString& text, const QFont& font,
               GlyphPrinter* printer) {
    if (!printer || !printer->print(image, at, text)) DrawText(image, at, text, font);
}

Glyph SampleGlyph(const QImage& image, QRect square) {
    Glyph glyph(square.size());
    const QRect area = image.rect();
    for (int r = 0; r < square.height(); ++r) {
        const int y = square.top() + r;
        for (int c = 0; c < square.width(); ++c) {
            const QPoint pixel(square.left() + c, y);
            const int32_t colour = area.contains(pixel) ? ColourOf(image.pixel(pixel)) : -1;
            glyph.set(c, r, IsInk(colour));
        }
    }
    return glyph;
}

namespace {

// Whether any ink lies on the image outside the square: the print is black on white, so a span
// holds ink when its pixels ANDed together are not white.
bool inkOutside(const QImage& image, QRect square) {
    const auto inkIn = [&](int y, int from, int to) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb all = 0xFFFFFFFF;
        for (int x = from; x < to; ++x) all &= line[x];
        return IsInk(ColourOf(all));
    };
    for (int y = 0; y < image.height(); ++y) {
        const bool beside = y >= square.top() && y <= square.bottom();
        if (beside ? inkIn(y, 0, square.left()) || inkIn(y, square.right() + 1, image.width())
                   : inkIn(y, 0, image.width()))
            return true;
    }
    return false;
}

}  // namespace

Capturer::Capturer(const CaptureSetup& setup) : setup_(setup), printer_(setup.print) {}

Capturer::~Capturer() = default;

Glyph Capturer::capture(const QString& character, QSize size, bool* cut) {
    return capture(character, size, false, cut);
}

Glyph Capturer::captureAdvancing(const QString& character, int height, bool* cut) {
    return capture(character, QSize(0, height), true, cut);
}

// The printer's spans go straight into the glyph; a span that reaches past it is cut there.
Glyph Capturer::capture(const QString& character, QSize size, bool advancing, bool* cut) {
    int advance = 0;
    const std::vector<Span>* spans = printer_.ink(character, &advance);
    if (!spans) return drawn(character, size, advancing, cut);
    if (advancing) size.setWidth(std::max(0, advance));
    Glyph glyph(size);
    bool outside = false;
    const QPoint line = setup_.line;
    for (const Span& span : *spans) {
        const int row = line.y() + span.row;
        const int left = line.x() + span.left, right = line.x() + span.right;
        outside = outside || row < 0 || row >= size.height() || left < 0 || right > size.width();
        glyph.fill(row, left, right);
    }
    glyph.origin = line + QPoint(0, setup_.print.baseline);
    glyph.advance = advance;
    if (cut) *cut = outside;
    return glyph;
}

// On a canvas with a whole em of room on every side of the glyph, so that the canvas's edges cut
// nothing the check for lost ink should see.
Glyph Capturer::drawn(const QString& character, QSize size, bool advancing, bool* cut) {
    if (!drawing_) drawing_ = PixelFont(setup_.font);
    const QFont& font = *drawing_;
    const int advance = QFontMetrics(font).horizontalAdvance(character);
    if (advancing) size.setWidth(std::max(0, advance));
    const int margin = font.pixelSize();
    const QSize canvas = size + QSize(2 * margin, 2 * margin);
    if (canvas_.size() != canvas) canvas_ = QImage(canvas, QImage::Format_RGB32);
    canvas_.fill(Qt::white);
    const QRect square(QPoint(margin, margin), size);
    PrintText(canvas_, square.topLeft() + setup_.line, character, font);
    Glyph glyph = SampleGlyph(canvas_, square);
    glyph.origin = setup_.line + QPoint(0, setup_.print.baseline);
    glyph.advance = advance;
    if (cut) *cut = inkOutside(canvas_, square);
    return glyph;
}
