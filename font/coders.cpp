#include "font/coder.h"

#include "font/rows.h"

#include <algorithm>

// Each coder's reader and writer, defined in coders/NAME.cpp.
Diagnostic CaptureFont(const Options&, Source&);
Diagnostic ReadText(const Options&, Source&);
Diagnostic ReadBin(const Options&, Source&);
Diagnostic ReadImage(const Options&, Source&);
Diagnostic WriteC(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteAssembly(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteBin(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteText(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteBdf(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteU8g2(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteLvgl(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteGfx(const Options&, const Source&, Output&, Outputs&);
Diagnostic WriteCFont(const Options&, const Source&, Output&, Outputs&);

namespace {

// The options of a layout of bytes, written or read.
const QStringList Layout{"board", "scan", "lsb-first", "negative"};

}  // namespace

// One row a format: its name, what it is, its reader and writer, the options reading and writing
// it take, whether it is bytes for no terminal, whether it is a font of proportional glyphs, and
// the most its reader takes. 64 MiB hold HZK64 fourteen times over, GB2312 at 64 x 64 as text
// pictures twice, or twenty million hanzi of text; 256 MiB a BMP of 8,192 x 8,192 in 24 bits.
// clang-format off
const std::vector<Coder>& Coders() {
    static const std::vector<Coder> coders{
        {"font", QT_TRANSLATE_NOOP("glimmet-font",
                                   "the characters captured from a font, as the window\n"
                                   "captures them"),
         CaptureFont, nullptr,
         {"charset", "encoding", "size", "font", "shift", "preview", "sign-width", "sign-lines",
          "frame-ms", "led-colour"}, {}, false,
         false, 64 * MiB},
        {"c", QT_TRANSLATE_NOOP("glimmet-font", "a C array of the glyphs' bytes"),
         nullptr, WriteC,
         {}, QStringList{"name", "header", "target", "index", "slots", "unique", "strip"} + Layout},
        {"asm", QT_TRANSLATE_NOOP("glimmet-font", "assembly data lines of the glyphs' bytes"),
         nullptr, WriteAssembly,
         {}, QStringList{"name", "target", "db", "index", "slots", "unique", "strip"} + Layout},
        {"bin", QT_TRANSLATE_NOOP("glimmet-font",
                                  "the bytes alone; with --charset gb2312 the 87 x 94\n"
                                  "slots of HZK16 (HZK12 at 12), with --slots hzk24\n"
                                  "the hanzi of HZK24S and its kin, with --charset\n"
                                  "ascii at a half-width size the 256 of ASC16 (ASC12\n"
                                  "at 8x12)"),
         ReadBin, WriteBin,
         QStringList{"charset", "size", "slots"} + Layout,
         QStringList{"slots", "unique", "strip"} + Layout, true, false, 64 * MiB},
        {"text", QT_TRANSLATE_NOOP("glimmet-font",
                                   "pictures, # for a lit LED and . for an unlit one,\n"
                                   "each under a heading: U+ and its code points, or #,\n"
                                   "a space and a name"),
         ReadText, WriteText,
         {"charset"}, {"unique", "strip"}, false, false, 64 * MiB},
        {"image", QT_TRANSLATE_NOOP("glimmet-font",
                                    "a PNG, BMP or GIF, a glyph of --size in each cell,\n"
                                    "left to right and top to bottom (without --size, one\n"
                                    "glyph)"),
         ReadImage, nullptr,
         {"size", "threshold", "dither"}, {}, false, false, 256 * MiB},
        {"bdf", QT_TRANSLATE_NOOP("glimmet-font",
                                  "a BDF 2.1 font, each glyph as wide as the font draws\n"
                                  "it, for FreeType, X and u8g2's bdfconv"),
         nullptr, WriteBdf,
         {}, {}, false, true},
        {"u8g2", QT_TRANSLATE_NOOP("glimmet-font",
                                   "a u8g2 font as C source in u8g2's compressed\n"
                                   "format, each glyph as wide as the font draws it,\n"
                                   "for u8g2's setFont and drawUTF8"),
         nullptr, WriteU8g2,
         {}, {"name"}, false, true},
        {"lvgl", QT_TRANSLATE_NOOP("glimmet-font",
                                   "an LVGL 9 font as a C file for LVGL's own engine,\n"
                                   "1 bit a pixel, each glyph as wide as the font draws\n"
                                   "it"),
         nullptr, WriteLvgl,
         {}, {"name"}, false, true},
        {"gfx", QT_TRANSLATE_NOOP("glimmet-font",
                                  "an Adafruit GFX font header, each glyph cut to its\n"
                                  "ink, with the text in its 8-bit codes (NAME_text)\n"
                                  "for display.print"),
         nullptr, WriteGfx,
         {}, {"name", "first-code"}, false, true},
        {"cfont", QT_TRANSLATE_NOOP("glimmet-font",
                                    "a C font for firmware's own drawing: each glyph as\n"
                                    "wide as the font advances, packed in the layout,\n"
                                    "its width, the sorted codes and a lookup by binary\n"
                                    "search (NAME_find, NAME_next)"),
         nullptr, WriteCFont,
         {}, QStringList{"name", "header", "target", "index", "message"} + Layout, false, true},
    };
    return coders;
}
// clang-format on

namespace {

QStringList names(bool writing) {
    QStringList names;
    for (const Coder& coder : Coders())
        if (writing ? coder.write != nullptr : coder.read != nullptr)
            names << QLatin1String(coder.name);
    return names;
}

}  // namespace

QStringList ReadingFormats() {
    return names(false);
}

QStringList WritingFormats() {
    return names(true);
}

const Coder& FindCoder(const QString& name) {
    return FindRow(Coders(), name);
}

bool TakenByCoders(const QString& option) {
    const auto& coders = Coders();
    return std::any_of(coders.begin(), coders.end(), [&](const Coder& coder) {
        return coder.reads.contains(option) || coder.writes.contains(option);
    });
}
