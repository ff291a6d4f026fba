// --format gfx: an Adafruit GFX font header, each glyph's bitmap cut to its ink and placed from the
// cursor's baseline as GFX's drawChar places it, with the text in the font's 8-bit codes.
#include "font/characters.h"
#include "font/coder.h"
#include "font/cstring.h"
#include "font/fontglyphs.h"
#include "font/gfxcodes.h"
#include "font/options.h"
#include "font/output.h"
#include "font/source.h"
#include "font/table.h"

#include <QCoreApplication>

namespace {

// GFX reads a glyph's pixels as one run of bits across its rows, the first in bit 7, with no
// padding until the glyph's last byte.
std::vector<uint8_t> bits(const Glyph& ink) {
    std::vector<uint8_t> bytes(size_t(ink.width() * ink.height() + 7) / 8);
    size_t n = 0;
    for (int r = 0; r < ink.height(); ++r)
        for (int c = 0; c < ink.width(); ++c, ++n)
            if (ink.at(c, r)) bytes[n / 8] |= uint8_t(0x80 >> n % 8);
    return bytes;
}

QString hex(int code) {
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QString label(int code, const FontGlyph* glyph) {
    return hex(code) + QLatin1Char(' ') +
           (glyph ? Named(glyph->character) : QStringLiteral("none"));
}

QString comment(const Source& source, const Font& font, const GfxCodes& codes,
                const Options& options, const QString& name) {
    QStringList lines{
        QStringLiteral("Made by glimmet-font %1 from %2: an Adafruit GFX font of %3 glyphs, codes "
                       "%4 to %5, a line %6 pixels high.")
            .arg(QStringLiteral(GLIMMET_VERSION), source.from(options.size.height()))
            .arg(font.glyphs.size())
            .arg(hex(codes.first), hex(codes.last))
            .arg(font.ascent + font.descent)};
    if (!source.file.isEmpty()) lines << QStringLiteral("Font file: %1").arg(source.fontFile());
    lines << QStringLiteral(
                 "ASCII keeps its codes; the other characters have codes from %1 on, "
                 "in the order the text first shows them.")
                 .arg(hex(options.firstCode))
          << QStringLiteral("display.setFont(&%1); display.print(%1_text); prints the text.")
                 .arg(name);
    return QStringLiteral("// ") + lines.join(QStringLiteral("\n// ")) + QLatin1Char('\n');
}

QString bitmaps(const GfxCodes& codes, const QString& name, std::vector<int>& offsets) {
    QString text = QStringLiteral("const uint8_t %1_bitmaps[] PROGMEM = {\n").arg(name);
    int offset = 0;
    for (int code = codes.first; code <= codes.last; ++code) {
        const FontGlyph* glyph = codes.glyphs[size_t(code)];
        offsets.push_back(offset);
        const std::vector<uint8_t> bytes = glyph ? bits(glyph->ink) : std::vector<uint8_t>();
        if (bytes.empty()) continue;
        text += QStringLiteral("    // %1\n").arg(label(code, glyph)) +
                ValueLines(Syntax::C, QStringLiteral("    "), QStringLiteral(",\n"), bytes);
        offset += int(bytes.size());
    }
    offsets.push_back(offset);
    // C++ has no array of no elements.
    if (offset == 0) text += QStringLiteral("    0x00  // no glyph has ink\n");
    return text + QStringLiteral("};\n\n");
}

// Each glyph: its bitmap's offset, its box, how far the cursor moves, and the box's top-left
// corner from the cursor on the baseline.
QString glyphTable(const GfxCodes& codes, const QString& name, const std::vector<int>& offsets) {
    QString text = QStringLiteral("const GFXglyph %1_glyphs[] PROGMEM = {\n").arg(name);
    for (int code = codes.first; code <= codes.last; ++code) {
        const FontGlyph* glyph = codes.glyphs[size_t(code)];
        const size_t k = size_t(code - codes.first);
        text += glyph ? QStringLiteral("    {%1, %2, %3, %4, %5, %6},")
                            .arg(offsets[k])
                            .arg(glyph->ink.width())
                            .arg(glyph->ink.height())
                            .arg(glyph->advance)
                            .arg(glyph->left)
                            .arg(-glyph->top())
                      : QStringLiteral("    {%1, 0, 0, 0, 0, 0},").arg(offsets[k]);
        text += QStringLiteral("  // %1\n").arg(label(code, glyph));
    }
    return text + QStringLiteral("};\n\n");
}

Diagnostic tooLarge(int bytes) {
    return Failed(QCoreApplication::translate(
                      "glimmet-font",
                      "--format gfx: the glyphs' bitmaps take %1 bytes, and Adafruit GFX finds "
                      "them by 16-bit offsets, up to 65,536 bytes; split the text into smaller "
                      "fonts or give a smaller --size")
                      .arg(bytes));
}

}  // namespace

Diagnostic WriteGfx(const Options& options, const Source& source, Output& output, Outputs&) {
    Font font;
    Diagnostic step = MakeFont(source, font);
    GfxCodes codes;
    if (step.ok()) step = MapGfxCodes(font, source.characters, options.firstCode, codes);
    if (!step.ok()) return step;
    const QString name = options.name.isEmpty() ? QStringLiteral("font") : options.name;
    std::vector<int> offsets;
    const QString bitmapText = bitmaps(codes, name, offsets);
    if (offsets.back() > 0x10000) return tooLarge(offsets.back());
    const QString guard = QStringLiteral("GLIMMET_%1_GFX_H").arg(name.toUpper());
    output.write(
        (comment(source, font, codes, options, name) +
         QStringLiteral("#ifndef %1\n#define %1\n\n#include <Adafruit_GFX.h>\n\n").arg(guard) +
         bitmapText + glyphTable(codes, name, offsets) +
         QStringLiteral("const GFXfont %1 PROGMEM = {(uint8_t *)%1_bitmaps, (GFXglyph *)%1_glyphs, "
                        "%2, %3, %4};\n\n")
             .arg(name, hex(codes.first), hex(codes.last))
             .arg(font.ascent + font.descent) +
         QStringLiteral("// \"%1\"\nconst char %2_text[] =\n    %3;\n\n#endif\n")
             .arg(source.characters.text(), name, CString(codes.text, QStringLiteral("    "))))
            .toUtf8());
    return {};
}
