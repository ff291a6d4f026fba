#pragma once

#include <QSize>

#include <bitset>

class QFont;
class QString;
class Surface;

// A captured character: ink or not at each of the 16 x 16 samples.
struct Glyph {
    std::bitset<256> ink;  // sample (c, r), r from the top, at bit 16 r + c

    bool inkAt(int c, int r) const { return ink[16 * r + c]; }
    // Grid units: x = c + 0.5 from the left, y = r + 0.5 from the bottom.
    uint8_t cell(float x, float y) const { return inkAt(int(x), 15 - int(y)) ? 1 : 0; }
};

// The drawing area of the canvas the character is printed on, in pixels.
constexpr QSize CanvasSize(37, 45);

// Prints the text at the canvas's top-left corner, after clearing it: in the 12-point font, whose
// em is the 16 x 16-pixel square that the samples cover.
void PrintText(Surface& canvas, const QString& text, const QFont& font);

// One sample a pixel, 15 twips apart, rows from the top, each from the left; a sample is ink at
// a colour value of at most 99 (black to dark red, or no pixel at all).
Glyph SampleGlyph(const Surface& canvas);

// Both steps, as the window's capture makes them.
Glyph CaptureGlyph(Surface& canvas, const QString& text, const QFont& font);
