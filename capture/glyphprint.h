#pragma once

#include <memory>

class QFont;
class QImage;
class QPoint;
class QString;

// Prints one character straight through FreeType, pixel for pixel as QPainter::drawText prints it
// in the capture font: without Qt's layout and shaping, and outlines made only of horizontal and
// vertical lines, as Unifont's are, filled without FreeType's rasteriser. Unifont's glyphs and
// bitmap faces' print two and a half to three times as fast as drawText, curved outlines only a
// quarter faster: FreeType's rasteriser is most of their cost. One per thread.
class GlyphPrinter {
public:
    // font: the QFont Qt would draw with (a pixel size, no antialiasing, full hinting); fontFile
    // and faceIndex: the face fontconfig resolves it to. A font whose drawing this cannot match
    // (synthetic bold or italic, transformed sizes, a face that shapes with lookups, a face that
    // is not the one Qt draws with) makes every print decline.
    GlyphPrinter(const QString& fontFile, int faceIndex, const QFont& font);
    ~GlyphPrinter();
    GlyphPrinter(const GlyphPrinter&) = delete;
    GlyphPrinter& operator=(const GlyphPrinter&) = delete;

    // Draws the text black onto the RGB32 image with its line's top-left at the whole pixel
    // origin: the baseline lies at origin.y + ascent, rounded as Qt rounds it. False, having drawn
    // nothing, when the text is not a single code point that the face itself maps to a glyph, or
    // needs shaping (marks, format characters, private use, right-to-left or complex scripts):
    // the caller then draws it with QPainter::drawText.
    bool print(QImage& image, QPoint origin, const QString& text);

private:
    struct Face;  // FreeType stays out of this header
    std::unique_ptr<Face> face_;
};
