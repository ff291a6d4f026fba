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
    int widened = 0;              // symbols the face draws half-width, widened for a slot file
    std::optional<Glyph> strip;   // the input as one picture, for --strip and --preview
    std::vector<int> stripEdges;  // the column each character of the strip starts at, and its end
};
