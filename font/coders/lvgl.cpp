// --format lvgl: an LVGL 9 font as a C file, drawn by LVGL's own engine for such fonts
// (lv_font_fmt_txt): 1 bit a pixel, plain bitmaps, each glyph's box and where it stands, and the
// character maps that find a glyph by its code point.
#include "font/coder.h"
#include "font/coders/lvglmaps.h"
#include "font/fontglyphs.h"
#include "font/options.h"
#include "font/output.h"
#include "font/source.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <charconv>
#include <cstdio>
#include <string>

namespace {

// LVGL numbers glyphs in 16 bits, and glyph 0 stands for none.
constexpr size_t MostGlyphs = 65535;

// The C file's text, made without Qt's formatting and passed on to the output a little at a
// time: a CJK font is megabytes of text, and fresh memory costs more than making it.
class CText {
public:
    explicit CText(Output& output) : output_(output) {}
    ~CText() { output_.write(bytes()); }
    CText(const CText&) = delete;
    CText& operator=(const CText&) = delete;

    CText& operator<<(const char* text) {
        text_.append(text);
        if (text_.size() >= Passed) output_.write(bytes()), text_.clear();
        return *this;
    }
    CText& operator<<(const QByteArray& text) {
        return text_.append(text.constData(), size_t(text.size())), *this;
    }
    CText& operator<<(const QString& text) { return *this << text.toUtf8(); }
    CText& operator<<(int64_t number) {
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return text_.append(digits, size_t(end - digits)), *this;
    }
    // 0x and the value's hex digits, at least `digits` of them.
    void hex(uint32_t value, int digits) {
        int shown = digits;
        while (shown < 8 && value >> 4 * shown) ++shown;
        text_ += "0x";
        while (shown > 0) text_ += "0123456789abcdef"[value >> 4 * --shown & 15];
    }
    // The values in hex, a comma after each and `each` to a line.
    template <class Value>
    void hexLines(const std::vector<Value>& values, int digits, size_t each) {
        for (size_t k = 0; k < values.size(); ++k) {
            *this << (k % each ? " " : "\n    ");
            hex(values[k], digits);
            text_ += ',';
        }
    }

private:
    static constexpr size_t Passed = 1 << 16;
    QByteArrayView bytes() const { return {text_.data(), qsizetype(text_.size())}; }

    Output& output_;
    std::string text_;
};

// The face's family, its style where it is not the plain one, and the size, as unifont_16 or
// dejavu_sans_bold_16; font_16 for glyphs read from a file.
QString fontName(const Options& options, const Source& source, int pixels) {
    if (!options.name.isEmpty()) return options.name;
    static const QRegularExpression plain(QStringLiteral(" (regular|book|medium|normal|roman)$")),
        others(QStringLiteral("[^a-z0-9]+"));
    QString face = source.file.isEmpty() ? QString() : source.face.toLower();
    face = face.remove(plain).replace(others, QStringLiteral(" ")).simplified();
    face.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (face.isEmpty())
        face = QStringLiteral("font");
    else if (face.front().isDigit())
        face.prepend(QStringLiteral("font_"));
    return face + QLatin1Char('_') + QString::number(pixels);
}

// A glyph's box as LVGL reads it: rows one after another with no padding between them, the
// leftmost pixel the highest bit, the last byte filled with 0s.
void pack(const Glyph& ink, std::vector<uint8_t>& bytes) {
    bytes.assign(size_t(ink.width() * ink.height() + 7) / 8, 0);
    size_t bit = 0;
    for (int r = 0; r < ink.height(); ++r) {
        const uint8_t* row = ink.row(r);
        for (int c = 0; c < ink.width(); ++c, ++bit)
            bytes[bit / 8] |= uint8_t(row[c] << (7 - bit % 8));
    }
}

// U+XXXX and the character, where it prints.
QByteArray caption(const FontGlyph& glyph) {
    char code[12];
    const int length = std::snprintf(code, sizeof code, "U+%04X", unsigned(glyph.code));
    QByteArray text(code, length);
    return QChar::isPrint(glyph.code) ? text + ' ' + glyph.character.toUtf8() : text;
}

// Each glyph's index into the bitmaps: nothing for a glyph without ink.
std::vector<size_t> bitmapIndexes(const Font& font) {
    std::vector<size_t> indexes;
    size_t at = 0;
    for (const FontGlyph& glyph : font.glyphs) {
        const size_t bytes = size_t(glyph.ink.width() * glyph.ink.height() + 7) / 8;
        indexes.push_back(bytes ? at : 0);
        at += bytes;
    }
    return indexes;
}

void writeBitmaps(const Font& font, const QString& name, CText& text) {
    text << "/* Each glyph's box, 1 bit a pixel: its rows from the top run on with no padding, the "
            "leftmost\n * pixel the highest bit; a glyph starts on a whole byte. */\n"
         << "static LV_ATTRIBUTE_LARGE_CONST const uint8_t " << name << "_bitmaps[] = {\n";
    std::vector<uint8_t> bytes;
    bool inked = false;
    for (const FontGlyph& glyph : font.glyphs) {
        pack(glyph.ink, bytes);
        if (bytes.empty()) continue;
        text << "    /* " << caption(glyph) << " */";
        text.hexLines(bytes, 2, 16);
        text << "\n";
        inked = true;
    }
    if (!inked) text << "    0x00, /* no glyph has ink */\n";
    text << "};\n\n";
}

void writeGlyphs(const Font& font, const QString& name, const std::vector<size_t>& indexes,
                 CText& text) {
    text << "/* Glyph 0 is none. Each: bitmap_index, adv_w in 1/16 pixels, box_w, box_h, and "
            "ofs_x, ofs_y:\n * the box's left from the pen, its bottom up from the baseline. */\n"
         << "static const lv_font_fmt_txt_glyph_dsc_t " << name << "_glyphs[] = {\n"
         << "    {0, 0, 0, 0, 0, 0},\n";
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        const FontGlyph& glyph = font.glyphs[i];
        text << "    {" << int64_t(indexes[i]) << ", " << int64_t(glyph.advance) * 16 << ", "
             << int64_t(glyph.ink.width()) << ", " << int64_t(glyph.ink.height()) << ", "
             << int64_t(glyph.left) << ", " << int64_t(glyph.bottom) << "}, /* " << caption(glyph)
             << " */\n";
    }
    text << "};\n\n";
}

void writeMaps(const Font& font, const QString& name, const std::vector<CharacterMap>& maps,
               CText& text) {
    for (size_t m = 0; m < maps.size(); ++m) {
        if (!maps[m].listed) continue;
        const char32_t start = font.glyphs[maps[m].first].code;
        std::vector<char32_t> codes;
        for (size_t k = 0; k < maps[m].count; ++k)
            codes.push_back(font.glyphs[maps[m].first + k].code - start);
        text << "static const uint16_t " << name << "_codes_" << int64_t(m) << "[] = {";
        text.hexLines(codes, 4, 12);
        text << "\n};\n\n";
    }
    text << "/* The glyphs of code points in a range, or listed as counts from the range's start. "
            "*/\n"
         << "static const lv_font_fmt_txt_cmap_t " << name << "_maps[] = {\n";
    for (size_t m = 0; m < maps.size(); ++m) {
        const FontGlyph &first = font.glyphs[maps[m].first],
                        &end = font.glyphs[maps[m].first + maps[m].count - 1];
        text << "    {.range_start = ";
        text.hex(first.code, 4);
        text << ", .range_length = " << int64_t(end.code - first.code + 1)
             << ", .glyph_id_start = " << int64_t(maps[m].first + 1) << ",\n     .unicode_list = ";
        if (maps[m].listed)
            text << name << "_codes_" << int64_t(m);
        else
            text << "NULL";
        text << ", .glyph_id_ofs_list = NULL, .list_length = "
             << int64_t(maps[m].listed ? maps[m].count : 0)
             << ",\n     .type = LV_FONT_FMT_TXT_CMAP_"
             << (maps[m].listed ? "SPARSE_TINY},\n" : "FORMAT0_TINY},\n");
    }
    text << "};\n\n";
}

// Without LV_FONT_FMT_TXT_LARGE a glyph's bitmap index has 20 bits, its advance 12 in 1/16
// pixels, its box 8 bits a side and its offsets 8 bits with their sign.
bool fitsSmall(const Font& font, const std::vector<size_t>& indexes) {
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        const FontGlyph& glyph = font.glyphs[i];
        if (indexes[i] >= size_t(1) << 20 || glyph.advance * 16 > 4095 || glyph.ink.width() > 255 ||
            glyph.ink.height() > 255 || glyph.left < -128 || glyph.left > 127 ||
            glyph.bottom < -128 || glyph.bottom > 127)
            return false;
    }
    return true;
}

void writeOpening(const Source& source, const Font& font, const QString& name, bool large,
                  CText& text) {
    const int pixels = font.ascent + font.descent;
    text << "/* " << name << ": an LVGL 9 font of " << int64_t(font.glyphs.size())
         << (font.glyphs.size() == 1 ? " glyph" : " glyphs") << ", 1 bit a pixel, made by "
         << "glimmet-font " << GLIMMET_VERSION << "\n * from " << source.from(pixels) << ".\n";
    if (!source.file.isEmpty()) text << " * Font file: " << source.fontFile() << "\n";
    text << " * A line is " << int64_t(pixels) << " pixels high, " << int64_t(font.descent)
         << " of them below the baseline.\n * In a program: LV_FONT_DECLARE(" << name
         << "); then\n * lv_obj_set_style_text_font(label, &" << name << ", 0); */\n\n"
         << "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n"
         << "#include \"lvgl/lvgl.h\"\n#endif\n\n#if LVGL_VERSION_MAJOR < 9\n#error \"" << name
         << " is a font for LVGL 9\"\n#endif\n\n";
    if (large)
        text << "#if !LV_FONT_FMT_TXT_LARGE\n#error \"" << name
             << " needs LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h: its bitmaps pass 1 MB or a glyph "
                "255 pixels\"\n#endif\n\n";
}

// The underline halfway down the rows below the baseline, a pixel thick for each 16 of the line.
void writeFont(const Font& font, const QString& name, size_t maps, CText& text) {
    const int pixels = font.ascent + font.descent, thickness = std::max(1, (pixels + 8) / 16);
    text << "static const lv_font_fmt_txt_dsc_t " << name << "_dsc = {\n"
         << "    .glyph_bitmap = " << name << "_bitmaps,\n    .glyph_dsc = " << name
         << "_glyphs,\n    .cmaps = " << name << "_maps,\n    .kern_dsc = NULL,\n"
         << "    .kern_scale = 0,\n    .cmap_num = " << int64_t(maps) << ",\n    .bpp = 1,\n"
         << "    .kern_classes = 0,\n    .bitmap_format = LV_FONT_FMT_TXT_PLAIN,\n};\n\n"
         << "const lv_font_t " << name << " = {\n"
         << "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,\n"
         << "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,\n"
         << "    .line_height = " << int64_t(pixels)
         << ",\n    .base_line = " << int64_t(font.descent)
         << ",\n    .subpx = LV_FONT_SUBPX_NONE,\n"
         << "    .underline_position = " << int64_t(-std::max(0, font.descent - thickness) / 2)
         << ",\n    .underline_thickness = " << int64_t(thickness) << ",\n    .dsc = &" << name
         << "_dsc,\n    .fallback = NULL,\n    .user_data = NULL,\n};\n";
}

}  // namespace

Diagnostic WriteLvgl(const Options& options, const Source& source, Output& output, Outputs&) {
    Font font;
    const Diagnostic made = MakeFont(source, font);
    if (!made.ok()) return made;
    if (font.glyphs.size() > MostGlyphs)
        return Failed(QCoreApplication::translate("glimmet-font",
                                                  "an LVGL font holds at most %1 glyphs, not %2")
                          .arg(MostGlyphs)
                          .arg(font.glyphs.size()));
    const QString name = fontName(options, source, font.ascent + font.descent);
    const std::vector<size_t> indexes = bitmapIndexes(font);
    const bool large = !fitsSmall(font, indexes);
    if (large)
        Warn(QCoreApplication::translate("glimmet-font",
                                         "the font passes LVGL's usual limits: LVGL draws it with "
                                         "LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h"));
    const std::vector<CharacterMap> maps = CharacterMaps(font.glyphs);
    CText text(output);
    writeOpening(source, font, name, large, text);
    writeBitmaps(font, name, text);
    writeGlyphs(font, name, indexes, text);
    writeMaps(font, name, maps, text);
    writeFont(font, name, maps.size(), text);
    return {};
}
