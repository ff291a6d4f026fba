#include "font/fontglyphs.h"

#include "capture/characters.h"

#include "font/parallel.h"
#include "font/source.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

FontGlyph fontGlyph(char32_t code, const QString& character, const Glyph& glyph, size_t entry) {
    const QRect box = glyph.inkBox();
    Glyph ink(box.size());
    ink.draw(glyph, -box.left(), -box.top());
    return {code,
            character,
            ink,
            box.isEmpty() ? 0 : box.left() - glyph.origin.x(),
            box.isEmpty() ? 0 : glyph.origin.y() - box.bottom() - 1,
            glyph.advance,
            entry};
}

}  // namespace

// The line is the cells' own: the rows above the baseline and below it of the tallest. The ink is
// cut on all cores: a CJK font is tens of thousands of glyphs, each a fresh copy.
Diagnostic MakeFont(const Source& source, Font& font) {
    const Characters& characters = source.characters;
    QStringList leftOut;
    std::vector<size_t> found;  // the characters of one code point
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const Glyph& glyph = source.glyphs[i];
        font.ascent = std::max(font.ascent, glyph.origin.y());
        font.descent = std::max(font.descent, glyph.height() - glyph.origin.y());
        if (characters.named[i] || !SingleCodePoint(characters.distinct[i]))
            leftOut << characters.caption(i);
        else
            found.push_back(i);
    }
    font.glyphs.resize(found.size());
    ParallelFor(
        found.size(), 256, [] { return 0; },
        [&](int, size_t k) {
            const QString& character = characters.distinct[found[k]];
            font.glyphs[k] =
                fontGlyph(SingleCodePoint(character), character, source.glyphs[found[k]], found[k]);
        });
    const auto byCode = [](const FontGlyph& a, const FontGlyph& b) { return a.code < b.code; };
    if (!std::is_sorted(font.glyphs.begin(), font.glyphs.end(), byCode))
        std::stable_sort(font.glyphs.begin(), font.glyphs.end(), byCode);
    font.glyphs.erase(
        std::unique(font.glyphs.begin(), font.glyphs.end(),
                    [](const FontGlyph& a, const FontGlyph& b) { return a.code == b.code; }),
        font.glyphs.end());
    if (!leftOut.isEmpty())
        Warn(QCoreApplication::translate("glimmet-font",
                                         "a font finds a glyph by one code point: %1 left out")
                 .arg(NamedList(leftOut)));
    if (!font.glyphs.empty()) return {};
    return Failed(QCoreApplication::translate(
        "glimmet-font", "no glyph has a code point of its own to be found by in a font"));
}
