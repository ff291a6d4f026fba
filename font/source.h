#pragma once

#include "font/characters.h"
#include "glyph/glyph.h"

#include <QString>

#include <optional>
#include <vector>

// The glyphs a run writes, however they were acquired: captured from a font or read from a file.
struct Source {
    Characters characters;      // what each glyph shows, and the input's order
    std::vector<Glyph> glyphs;  // one for each distinct entry of the characters
    QString face, file;  // what the glyphs come from, for the header; no file for a file read
    int widened = 0;     // symbols the face draws half-width, widened for a slot file
    std::optional<Glyph> strip;   // the input as one picture, for --strip and --preview
    std::vector<int> stripEdges;  // the column each character of the strip starts at, and its end

    // What the glyphs come from, for the comment on top of a file: "Unifont at 16 pixels", or
    // the file they were read from. Both these and the font file are made fit for any comment:
    // a name may hold a line break or "*/", which would end the comment early.
    QString from(int pixels) const;
    QString fontFile() const;
};
