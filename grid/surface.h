#pragma once

#include "grid/colours.h"
#include "grid/runtimeerror.h"

#include <QImage>

#include <cmath>

#include <cstdint>
#include <functional>

class GlyphPrinter;
class QFont;

// The unit of a surface's coordinates until it is scaled: 1440 to the inch, 15 to a pixel.
constexpr int TwipsPerPixel = 15;

// A drawing area in the manner of a picture box: an image in user coordinates, filled circles,
// text, and colours read back exactly as they were painted. No antialiasing anywhere.
//
// Everything is read back from the image, whatever the screen. A screen denser than the image
// shows a second raster instead, on which every drawing is repeated at the screen's resolution.
class Surface {
public:
    // A picture is whatever this paints on a blank surface of the same size and shown ratio.
    using Picture = std::function<void(Surface&)>;

    explicit Surface(QSize size);  // white until painted
    virtual ~Surface() = default;

    // x runs from x1 at the left edge to x2 at the right, y from y1 at the top to y2 at the
    // bottom. Until this is called the unit is the twip, 15 to a pixel, from the top-left.
    void Scale(float x1, float y1, float x2, float y2);
    // Erases all drawing: the picture given to setPicture (or plain white) shows again.
    void Cls();
    void setPicture(Picture paint);

    // Fill style 0 fills the following circles solid; any other value leaves them hollow.
    void setFillStyle(int style) { fillStyle_ = style; }
    void setFillColor(int32_t colour) { fillColor_ = colour; }
    // A full circle one pixel wide in the given colour; the radius is in units of x.
    void Circle(float x, float y, float radius, int32_t colour);
    // The colour of the pixel under (x, y); -1 outside the area. Inline: a capture reads one for
    // every pixel of its glyph.
    int32_t Point(float x, float y) const {
        const QPointF p = toPixels(x, y);
        const double px = std::floor(p.x()), py = std::floor(p.y());
        if (px < 0 || py < 0 || px >= size_.width() || py >= size_.height()) return -1;
        // The image is always 32 bits a pixel: read the pixel straight from its line.
        return ColourOf(reinterpret_cast<const QRgb*>(image_.constScanLine(int(py)))[int(px)]);
    }

    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    // Black text with its cell's top-left corner at (CurrentX, CurrentY). The glyph printer is
    // tried first where no shown raster needs the same print and the corner is a whole pixel.
    void Print(const QString& text, const QFont& font, GlyphPrinter* printer = nullptr);

    // The user coordinates of the top-left corner of pixel (px, py).
    QPointF userPoint(int px, int py) const;
    const QImage& image() const { return image_; }

    // The screen's pixels to one of the image's. From here on every drawing is repeated on the
    // shown raster at that ratio; what is on it so far is the image enlarged, and the picture is
    // painted again at the ratio for the next Cls.
    void setShownRatio(qreal ratio);
    qreal shownRatio() const { return shown_.isNull() ? 1 : shown_.devicePixelRatio(); }
    // What a screen of the shown ratio shows: at a ratio of 1 the image itself, else the shown
    // raster, its device pixel ratio set.
    const QImage& shown() const { return shown_.isNull() ? image_ : shown_; }

protected:
    // Called after every change of the image, so a widget can show it.
    virtual void changed() {}

private:
    // Pixel coordinates far off the surface cannot be drawn or read: they overflow, as a
    // coordinate that is no number at all does.
    static double checked(double pixels) {
        if (!(std::abs(pixels) < 1e9)) throw RunTimeError::Overflow();
        return pixels;
    }
    QPointF toPixels(float x, float y) const {
        return {checked((double(x) - scaleLeft_) * size_.width() / scaleWidth_),
                checked((double(y) - scaleTop_) * size_.height() / scaleHeight_)};
    }
    void paintPictures();

    Picture paintPicture_ = [](Surface&) {};
    QSize size_;  // of the image, which never changes: read on every Point
    QImage picture_, image_;
    QImage shownPicture_, shown_;  // null at a ratio of 1
    float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_, scaleHeight_;
    int fillStyle_ = 1;
    int32_t fillColor_ = 0;
    float currentX_ = 0, currentY_ = 0;
};
