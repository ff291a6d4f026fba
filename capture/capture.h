#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <bitset>
#include <cstdint>

class QFont;
class QString;
class Surface;

// A captured character: ink or not at each of its W x H samples; the window's are 16 x 16.
struct Glyph {
    static constexpr int MaxSide = 64;

    QSize size{16, 16};
    std::bitset<MaxSide * MaxSide> ink;  // sample (c, r), r from the top, at bit W r + c

    bool inkAt(int c, int r) const { return ink[size.width() * r + c]; }
    // Grid units: x = c + 0.5 from the left, y = r + 0.5 from the bottom. Outside the glyph
    // every cell is unlit, so a byte that runs past an edge is padded with zero bits.
    uint8_t cell(float x, float y) const;
    // 1 for a cell of the glyph, 0 past its edges.
    uint8_t inside(float x, float y) const;
    // Lights or clears the cell at the centre (x, y), in grid units as cell() reads it; a cell
    // past the edges is left alone.
    void setCell(float x, float y, bool lit);
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
void PrintText(Surface& canvas, const QString& text, const QFont& font, QPoint at = {});

// One sample a pixel, 15 twips apart, rows from the top, each from the left; a sample is ink at
// a colour value of at most 99 (black to dark red, or no pixel at all).
Glyph SampleGlyph(const Surface& canvas, QSize size = {16, 16}, QPoint square = {});

// Both steps, as the window's capture makes them.
Glyph CaptureGlyph(Surface& canvas, const QString& text, const QFont& font,
                   const Placement& placement = {});

// Whether any ink of the print lies on the canvas outside the square: what the glyph lost.
bool InkOutside(const Surface& canvas, QRect square);
