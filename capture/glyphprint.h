#pragma once

#include "capture/fonts.h"
#include "capture/span.h"

#include <memory>
#include <vector>

class QFont;
class QImage;
class QPoint;
class QString;

// Prints one character straight through FreeType, pixel for pixel as QPainter::drawText prints it
// in the capture font: without Qt's layout and shaping, and outlines made only of horizontal and
// vertical lines, as Unifont's are, filled without FreeType's rasteriser. Unifont's glyphs and
// bitmap faces' print two and a half to three times as fast as drawText, curved outlines only a
// quarter faster: FreeType's rasteriser is most of their cost. One per thread.

// What the printers of a font need to know of it, found once in the thread Qt made the font in
// and shared by the printers of every thread: the face and its size, where Qt puts the baseline,
// and whether prints can match drawText's at all.
struct PrintFace {
    FontFace face;
    int pixels = 0;
    int baseline = 0;         // below the line's top, as Qt rounds its ascent: a half down
    bool autohinted = false;  // as fontconfig tells Qt
    bool usable = false;
};

// font: the QFont Qt would draw with (a pixel size, no antialiasing, full hinting); face: the
// file and face Qt draws it from. A font whose drawing a printer cannot match (synthetic bold or
// italic, transformed sizes, a face that shapes with lookups) is not usable.
PrintFace PrintFaceOf(const FontFace& face, const QFont& font);

class GlyphPrinter {
public:
    explicit GlyphPrinter(const PrintFace& face);
    ~GlyphPrinter();
    GlyphPrinter(const GlyphPrinter&) = delete;
    GlyphPrinter& operator=(const GlyphPrinter&) = delete;

    // The ink of the text printed with its line's top-left corner at (0, 0): rows from the line's
    // top, columns from its left edge. With it the pen's advance in whole pixels, as Qt measures
    // it. Null when the text is not a single code point that the face itself maps to a glyph, or
    // needs shaping (marks, format characters, private use, right-to-left or complex scripts):
    // the caller then draws it with QPainter::drawText. Valid until the next call.
    const std::vector<Span>* ink(const QString& text, int* advance = nullptr);

    // Draws the text black onto the RGB32 image with its line's top-left at the whole pixel
    // origin. False, having drawn nothing, where ink() declines.
    bool print(QImage& image, QPoint origin, const QString& text);

private:
    friend PrintFace PrintFaceOf(const FontFace& face, const QFont& font);
    struct Face;  // FreeType stays out of this header
    std::unique_ptr<Face> face_;
};
