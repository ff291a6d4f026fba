#pragma once

#include "font/diagnostic.h"
#include "font/fontglyphs.h"

#include <QByteArray>

#include <array>

struct Characters;

// The 8-bit codes an Adafruit GFX font draws its glyphs by. A sketch's strings are UTF-8, whose
// bytes are a character's own code for ASCII alone: so ASCII (0x20 to 0x7E) keeps its code, and
// every other character takes one of its own from the first code on, in the order the text first
// shows it, past the codes that the text's ASCII holds.
struct GfxCodes {
    std::array<const FontGlyph*, 256> glyphs{};  // of each code, or null
    int first = 0, last = 0;                     // the codes of the first and last glyph
    QByteArray text;                             // the text in those codes
};

// The codes of the font's glyphs, or an input error where the characters past ASCII are more
// than the codes from the first one up to 0xFF that are free.
Diagnostic MapGfxCodes(const Font& font, const Characters& characters, int firstCode,
                       GfxCodes& codes);
