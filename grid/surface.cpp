#include "grid/surface.h"

#include "grid/runtimeerror.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerPixel = 15;

QRgb toRgb(int32_t colour) {
    return qRgb(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
}

// Pixels whose centres lie within outer of the centre take the rim colour, if they lie beyond
// outer - rimWidth, or else the fill if there is one.
void rasterCircle(QImage& image, QPointF centre, double outer, double rimWidth, QRgb rim,
                  const QRgb* fill) {
    const double inner = std::max(0.0, outer - rimWidth);
    const int top = int(std::max(0.0, std::floor(centre.y() - outer)));
    const int bottom = int(std::min(image.height() - 1.0, std::ceil(centre.y() + outer)));
    const int left = int(std::max(0.0, std::floor(centre.x() - outer)));
    const int right = int(std::min(image.width() - 1.0, std::ceil(centre.x() + outer)));
    const double outer2 = outer * outer, inner2 = inner * inner;
    uchar* const bits = image.bits();  // detaches once, not once a line
    for (int py = top; py <= bottom; ++py) {
        auto* line = reinterpret_cast<QRgb*>(bits + py * image.bytesPerLine());
        const double dy = py + 0.5 - centre.y();
        const auto d2 = [&](int px) {
            const double dx = px + 0.5 - centre.x();
            return dx * dx + dy * dy;
        };
        // Along a row the distance from the centre falls, then rises: the row crosses outside,
        // rim, inside, rim, outside. Only the ends of the spans are measured; the inside is
        // filled whole.
        int l = left, r = right;
        while (l <= r && d2(l) > outer2) ++l;
        while (r >= l && d2(r) > outer2) --r;
        while (l <= r && d2(l) > inner2) line[l++] = rim;
        while (r >= l && d2(r) > inner2) line[r--] = rim;
        if (fill && l <= r) std::fill(line + l, line + r + 1, *fill);
    }
}

// Black text, its baseline starting at the point, in the image's own device-independent pixels:
// on a raster with a device pixel ratio Qt draws the font at the raster's resolution.
void drawText(QImage& image, QPointF baseline, const QString& text, const QFont& font) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(baseline, text);
}

// The image as a screen of the ratio shows it, its pixels enlarged; none at a ratio of 1.
QImage enlarged(const QImage& image, qreal ratio) {
    if (ratio == 1) return {};
    QImage shown = image.scaled((QSizeF(image.size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}

}  // namespace

Surface::Surface(QSize size)
    : size_(size),
      picture_(size, QImage::Format_RGB32),
      scaleWidth_(float(size.width() * TwipsPerPixel)),
      scaleHeight_(float(size.height() * TwipsPerPixel)) {
    picture_.fill(Qt::white);
    image_ = picture_;
}

void Surface::Scale(float x1, float y1, float x2, float y2) {
    scaleLeft_ = x1;
    scaleTop_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
}

void Surface::setPicture(Picture paint) {
    paintPicture_ = std::move(paint);
    paintPictures();
    Cls();
}

void Surface::paintPictures() {
    Surface blank(size_);
    blank.shown_ = enlarged(blank.image_, shownRatio());
    paintPicture_(blank);
    picture_ = blank.image_;
    shownPicture_ = blank.shown_;
}

void Surface::Cls() {
    image_ = picture_;
    shown_ = shownPicture_;
    changed();
}

void Surface::setShownRatio(qreal ratio) {
    if (ratio == shownRatio()) return;
    shown_ = enlarged(image_, ratio);
    paintPictures();
}

QPointF Surface::userPoint(int px, int py) const {
    return {scaleLeft_ + double(px) * scaleWidth_ / size_.width(),
            scaleTop_ + double(py) * scaleHeight_ / size_.height()};
}

void Surface::Circle(float x, float y, float radius, int32_t colour) {
    const QPointF centre = toPixels(x, y);
    const double outer = checked(std::abs(double(radius) * size_.width() / scaleWidth_));
    const QRgb fillRgb = toRgb(fillColor_);
    const QRgb* const fill = fillStyle_ == 0 ? &fillRgb : nullptr;
    rasterCircle(image_, centre, outer, 1, toRgb(colour), fill);
    // The rim stays one of the image's pixels wide, so the shown circle looks as the read one.
    const qreal ratio = shownRatio();
    if (!shown_.isNull())
        rasterCircle(shown_, centre * ratio, outer * ratio, ratio, toRgb(colour), fill);
    changed();
}

void Surface::Print(const QString& text, const QFont& font, const FastPrint& fast) {
    const QPointF origin = toPixels(currentX_, currentY_);
    const QPoint pixel = origin.toPoint();
    if (fast && shown_.isNull() && QPointF(pixel) == origin && fast(image_, pixel, text))
        return changed();
    const QPointF baseline(origin.x(), origin.y() + QFontMetricsF(font).ascent());
    drawText(image_, baseline, text, font);
    if (!shown_.isNull()) drawText(shown_, baseline, text, font);
    changed();
}
