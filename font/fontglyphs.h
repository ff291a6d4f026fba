#pragma once

#include "font/diagnostic.h"
#include "glyph/glyph.h"

#include <QString>
#include <QStringList>

#include <vector>

struct Source;

// A glyph of a font that firmware draws text with: the character's code, its ink cut to the box
// that holds it, where that box stands from the pen's origin, and how far the pen then moves.
struct FontGlyph {
    char32_t code;
    QString character;
    Glyph ink;     // every row and column of the box; 0 x 0 for a glyph without ink
    int left;      // columns from the pen's origin to the box's left edge
    int bottom;    // rows from the baseline up to the box's bottom edge; negative below it
    int advance;   // columns
    size_t entry;  // of the source's characters and glyphs

    int top() const { return bottom + ink.height(); }  // rows from the baseline up to its top
};

// A font of the source's glyphs, in the order of their codes, and the line they stand on.
struct Font {
    std::vector<FontGlyph> glyphs;
    int ascent = 0;   // rows of the line above the baseline
    int descent = 0;  // and below it
};

// The font of the source's glyphs. What has no code of its own to be found by is left out, and
// said: a character of several code points (a letter and its marks), or a glyph known by a
// name; a character that comes again keeps its first glyph. A font with no glyph at all is an
// input error.
Diagnostic MakeFont(const Source& source, Font& font);
