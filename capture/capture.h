#pragma once

#include "capture/fonts.h"
#include "capture/glyphprint.h"
#include "glyph/glyph.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <optional>

class QString;

// A sample of a print is ink at a colour value (R + 256 G + 65536 B) of at most 99: black to a
// dark red, or no pixel at all (-1).
constexpr bool IsInk(int32_t colour) {
    return colour <= 99;
}

// Draws the text black onto the image with its line's top-left corner at the point, without
// smoothing, in the image's own device-independent pixels: on a raster with a device pixel ratio
// Qt draws the font at the raster's resolution.
void DrawText(QImage& image, QPointF at, const QString& text, const QFont& font);
// The same at a whole pixel, through the printer where one is given and it can.
void PrintText(QImage& image, QPoint at, const QString& text, const QFont& font,
               GlyphPrinter* printer = nullptr);

// One sample a pixel of the square, rows from the top, each from the left.
Glyph SampleGlyph(const QImage& image, QRect square);

// How glyphs are captured from a font: the font as Qt draws it, the face its printers draw from
// (found once, for the capturers of every thread), and where each print's line starts, its
// top-left corner in the glyph's own pixels.
struct CaptureSetup {
    QFont font;
    PrintFace print;
    QPoint line;
};

// Prints characters one at a time as the window prints the one in its box, and samples each into
// a glyph: the printer's ink is written straight into the glyph, anything else is drawn on a
// canvas and sampled. One per thread: it has a printer of its own, and a font of its own where it
// draws.
class Capturer {
public:
    explicit Capturer(const CaptureSetup& setup);
    ~Capturer();
    Capturer(const Capturer&) = delete;
    Capturer& operator=(const Capturer&) = delete;

    // The character's glyph of the size, its origin where the print's baseline starts and its
    // advance the font's. Where cut is given, it tells whether ink fell outside the glyph.
    Glyph capture(const QString& character, QSize size, bool* cut = nullptr);
    // The same, as wide as the font advances the pen past the character (none for a character
    // without width).
    Glyph captureAdvancing(const QString& character, int height, bool* cut = nullptr);

private:
    Glyph capture(const QString& character, QSize size, bool advancing, bool* cut);
    Glyph drawn(const QString& character, QSize size, bool advancing, bool* cut);

    const CaptureSetup& setup_;
    GlyphPrinter printer_;
    std::optional<QFont> drawing_;  // made at the first character the printer declines
    QImage canvas_;
};
