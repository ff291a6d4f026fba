#include "grid/surface.h"

#include "capture/capture.h"
#include "grid/circle.h"
#include "grid/runtimeerror.h"

#include <algorithm>
#include <cmath>

namespace {

QRgb toRgb(int32_t colour) {
    return qRgb(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
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
    RasterCircle(image_, centre, outer, 1, toRgb(colour), fill);
    // The rim stays one of the image's pixels wide, so the shown circle looks as the read one.
    const qreal ratio = shownRatio();
    if (!shown_.isNull())
        RasterCircle(shown_, centre * ratio, outer * ratio, ratio, toRgb(colour), fill);
    changed();
}

void Surface::Print(const QString& text, const QFont& font, GlyphPrinter* printer) {
    const QPointF origin = toPixels(currentX_, currentY_);
    const QPoint pixel = origin.toPoint();
    if (shown_.isNull() && QPointF(pixel) == origin) {
        PrintText(image_, pixel, text, font, printer);
        return changed();
    }
    DrawText(image_, origin, text, font);
    if (!shown_.isNull()) DrawText(shown_, origin, text, font);
    changed();
}
