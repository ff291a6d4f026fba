#pragma once

#include <QImage>

#include <cstdint>

class QFont;

// A drawing area in the manner of a picture box: an image in user coordinates, filled circles,
// text, and colours read back exactly as they were painted. No antialiasing anywhere.
class Surface {
public:
    explicit Surface(QSize size);  // white until painted
    virtual ~Surface() = default;

    // x runs from x1 at the left edge to x2 at the right, y from y1 at the top to y2 at the
    // bottom. Until this is called the unit is the twip, 15 to a pixel, from the top-left.
    void Scale(float x1, float y1, float x2, float y2);
    // Erases all drawing: the picture given to setPicture (or plain white) shows again.
    void Cls();
    void setPicture(const QImage& picture);

    // Fill style 0 fills the following circles solid; any other value leaves them hollow.
    void setFillStyle(int style) { fillStyle_ = style; }
    void setFillColor(int32_t colour) { fillColor_ = colour; }
    // A full circle one pixel wide in the given colour; the radius is in units of x.
    void Circle(float x, float y, float radius, int32_t colour);
    // The colour of the pixel under (x, y); -1 outside the area.
    int32_t Point(float x, float y) const;

    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    // Black text with its cell's top-left corner at (CurrentX, CurrentY).
    void Print(const QString& text, const QFont& font);

    // The user coordinates of the top-left corner of pixel (px, py).
    QPointF userPoint(int px, int py) const;
    const QImage& image() const { return image_; }

protected:
    // Called after every change of the image, so a widget can show it.
    virtual void changed() {}

private:
    QPointF toPixels(float x, float y) const;

    QImage picture_;
    QImage image_;
    float scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_, scaleHeight_;
    int fillStyle_ = 1;
    int32_t fillColor_ = 0;
    float currentX_ = 0, currentY_ = 0;
};
