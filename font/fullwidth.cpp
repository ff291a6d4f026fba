#include "font/fullwidth.h"

#include "font/characters.h"

namespace {

// The pen moves no further than half the cell past it.
bool halfWidth(const Glyph& glyph) {
    return 2 * glyph.advance <= glyph.width();
}

bool boxDrawing(const QString& character) {
    const QList<uint> ucs4 = character.toUcs4();
    return ucs4.size() == 1 && ucs4.front() >= 0x2500 && ucs4.front() <= 0x257F;
}

// The smallest period of row r of the half cell, where the row repeats it at least twice; 0 for
// none. A dashed line's dashes have one, a corner's arm none.
int period(const Glyph& half, int r) {
    for (int p = 1; 2 * p <= half.advance; ++p) {
        bool repeats = true;
        for (int c = 0; c + p < half.advance && repeats; ++c)
            repeats = half.at(c, r) == half.at(c + p, r);
        if (repeats) return p;
    }
    return 0;
}

// Column c of row r, past the half cell's sides: its pattern continued, or its side's pixel.
bool beyond(const Glyph& half, int r, int c, int p) {
    if (p) return half.at((c % p + p) % p, r);
    return half.at(c < 0 ? 0 : half.advance - 1, r);
}

// Moved as a whole, every stem of every box drawing character lands in the same column; each row
// runs on to the cell's sides as it reaches the half cell's.
Glyph widenedBox(const Glyph& half) {
    Glyph wide(half.size());
    const int left = (wide.width() - half.advance) / 2, right = left + half.advance;
    wide.draw(half, left, 0);
    for (int r = 0; r < half.height(); ++r) {
        const int p = period(half, r);
        for (int c = 0; c < wide.width(); ++c)
            if (c < left || c >= right) wide.set(c, r, beyond(half, r, c - left, p));
    }
    return wide;
}

Glyph centred(const Glyph& half) {
    Glyph wide(half.size());
    const QRect ink = half.inkBox();
    wide.draw(half, (wide.width() - ink.width()) / 2 - ink.left(), 0);
    return wide;
}

}  // namespace

int WidenHalfWidth(const Characters& characters, std::vector<Glyph>& glyphs) {
    int widened = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        Glyph& glyph = glyphs[i];
        if (!characters.gb2312[i] || !halfWidth(glyph) || glyph.inkBox().isEmpty()) continue;
        Glyph wide = boxDrawing(characters.distinct[i]) ? widenedBox(glyph) : centred(glyph);
        wide.origin = glyph.origin;
        wide.advance = glyph.width();
        glyph = std::move(wide);
        ++widened;
    }
    return widened;
}
