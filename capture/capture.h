#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class GlyphPrinter;
class QFont;
class QString;
class Surface;

// A captured character: ink or not at each of its W x H samples; the window's are 16 x 16. A
// message's strip is one glyph too, as wide as all its characters.
struct Glyph {
    Glyph() : Glyph(QSize(16, 16)) {}
    explicit Glyph(QSize size) : size(size), ink(size_t(size.width()) * size_t(size.height())) {}

    // The largest side of a table's glyph; a strip is as wide as its message.
    static constexpr int MaxSide = 64;

    QSize size;
    std::vector<bool> ink;  // sample (c, r), r from the top, at W r + c

    bool inkAt(int c, int r) const { return ink[size.width() * r + c]; }
    // Grid units: x = c + 0.5 from the left, y = r + 0.5 from the bottom. Outside the glyph
    // every cell is unlit, so a byte that runs past an edge is padded with zero bits. Inline:
    // every byte of a table reads eight cells.
    uint8_t cell(float x, float y) const {
        return inside(x, y) && inkAt(int(x), size.height() - 1 - int(y)) ? 1 : 0;
    }
    // 1 for a cell of the glyph, 0 past its edges.
    uint8_t inside(float x, float y) const {
        return x >= 0 && y >= 0 && x < float(size.width()) && y < float(size.height()) ? 1 : 0;
    }
    // Lights or clears the cell at the centre (x, y), in grid units as cell() reads it; a cell
    // past the edges is left alone.
    void setCell(float x, float y, bool lit) {
        if (inside(x, y)) ink[size.width() * (size.height() - 1 - int(y)) + int(x)] = lit;
    }
};

// The drawing area of the window's canvas, in pixels.
constexpr QSize CanvasSize(37, 45);

// Where a capture prints and samples, in whole pixels of its canvas: the line's top-left corner
// of the print, and the top-left sample of a square of the glyph's size. The window prints and
// samples at its canvas's corner.
struct Placement {
    QSize size{16, 16};
    QPoint print;
    QPoint square;
};

// Prints the text with its line's top-left corner at the pixel, after clearing the canvas. In the
// window's 12-point font the em is the 16 x 16-pixel square that the samples cover.
// The printer, where given, prints what it can of the same font faster, to the same pixels.
void PrintText(Surface& canvas, const QString& text, const QFont& font, QPoint at = {},
               GlyphPrinter* printer = nullptr);

// One sample a pixel, 15 twips apart, rows from the top, each from the left; a sample is ink at
// a colour value of at most 99 (black to dark red, or no pixel at all).
Glyph SampleGlyph(const Surface& canvas, QSize size = {16, 16}, QPoint square = {});

// Both steps, as the window's capture makes them.
Glyph CaptureGlyph(Surface& canvas, const QString& text, const QFont& font,
                   const Placement& placement = {}, GlyphPrinter* printer = nullptr);

// Whether any ink of the print lies on the canvas outside the square: what the glyph lost.
bool InkOutside(const Surface& canvas, QRect square);
