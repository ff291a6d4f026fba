#include "font/gfxcodes.h"

#include "font/characters.h"

#include <QCoreApplication>
#include <QHash>

namespace {

bool isAscii(char32_t code) {
    return code >= 0x20 && code <= 0x7E;
}

// The font's glyph of each distinct character, or null where the font left it out.
std::vector<const FontGlyph*> glyphsOf(const Font& font, const Characters& characters) {
    QHash<char32_t, const FontGlyph*> byCode;
    for (const FontGlyph& glyph : font.glyphs) byCode.insert(glyph.code, &glyph);
    std::vector<const FontGlyph*> glyphs;
    for (size_t i = 0; i < characters.distinct.size(); ++i) {
        const QList<uint> points = characters.distinct[i].toUcs4();
        glyphs.push_back(characters.named[i] || points.size() != 1
                             ? nullptr
                             : byCode.value(points.front(), nullptr));
    }
    return glyphs;
}

Diagnostic tooMany(int others, int free, int firstCode) {
    return Failed(
        QCoreApplication::translate(
            "glimmet-font",
            "--format gfx: Adafruit GFX draws 8-bit codes, and the %1 characters past U+007E do "
            "not fit in the %2 codes free from 0x%3 to 0xFF; split the text into fonts of at "
            "most %2 such characters, or give a lower --first-code (0x20 at the lowest)")
            .arg(others)
            .arg(free)
            .arg(QString::number(firstCode, 16).toUpper()));
}

}  // namespace

// Characters that come again, and glyphs read from a file that repeat one, keep their first code.
Diagnostic MapGfxCodes(const Font& font, const Characters& characters, int firstCode,
                       GfxCodes& codes) {
    const std::vector<const FontGlyph*> glyphs = glyphsOf(font, characters);
    QHash<const FontGlyph*, uint8_t> codeOf;
    for (const FontGlyph& glyph : font.glyphs)
        if (isAscii(glyph.code)) codes.glyphs[glyph.code] = &glyph, codeOf[&glyph] = glyph.code;
    int others = 0, free = 0;
    for (int code = firstCode; code <= 0xFF; ++code) free += codes.glyphs[size_t(code)] == nullptr;
    int next = firstCode;
    for (const FontGlyph* glyph : glyphs) {
        if (!glyph || codeOf.contains(glyph)) continue;
        ++others;
        while (next <= 0xFF && codes.glyphs[size_t(next)]) ++next;
        if (next > 0xFF) continue;
        codes.glyphs[size_t(next)] = glyph;
        codeOf[glyph] = uint8_t(next);
    }
    if (others > free) return tooMany(others, free, firstCode);
    for (int32_t i : characters.sequence)
        if (glyphs[size_t(i)]) codes.text += char(codeOf[glyphs[size_t(i)]]);
    codes.first = 0xFF;
    for (int code = 0; code <= 0xFF; ++code)
        if (codes.glyphs[size_t(code)])
            codes.first = std::min(codes.first, code), codes.last = code;
    return {};
}
