// --format lvgl: an LVGL 9 font as a C file, drawn by LVGL's own engine for such fonts
// (lv_font_fmt_txt): 1 bit a pixel, plain bitmaps, each glyph's box and where it stands, and the
// character maps that find a glyph by its code point.
#include "font/coder.h"
#include "font/fontglyphs.h"
#include "font/options.h"
#include "font/output.h"
#include "font/source.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <charconv>
#include <deque>

namespace {

// LVGL numbers glyphs in 16 bits, and glyph 0 stands for none.
constexpr size_t MostGlyphs = 65535;
// A map's code points are a 16-bit count from its first.
constexpr char32_t MostSpan = 65535;
// What a map costs on a 32-bit controller: its entry, and each code point it lists.
constexpr int64_t MapBytes = 24, ListedBytes = 2;

// The C file's text, made without Qt's formatting: a CJK font is tens of thousands of glyphs.
class CText {
public:
    CText& operator<<(const char* text) { return bytes_.append(text), *this; }
    CText& operator<<(const QString& text) { return bytes_.append(text.toUtf8()), *this; }
    CText& operator<<(int64_t number) {
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return bytes_.append(digits, end - digits), *this;
    }
    // 0x and the value's hex digits, at least `digits` of them.
    void hex(uint32_t value, int digits) {
        char text[8];
        const int length = int(std::to_chars(text, text + sizeof text, value, 16).ptr - text);
        bytes_.append("0x").append(std::max(0, digits - length), '0').append(text, length);
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

// A character map: glyphs first to first + count - 1, their code points consecutive (LVGL's
// FORMAT0_TINY) or listed (SPARSE_TINY).
struct CharacterMap {
    size_t first, count;
    bool listed;
};

// The maps of the fewest bytes, and of those the fewest maps. Each run of consecutive code points
// is a range of its own or is listed with the runs before it; best[k] is the cost of the first k
// runs, bytes and maps in one number, and a listing ending at run k starts at the run j that
// keeps best[j] less its listed bytes least: a queue holds the starts still within reach.
std::vector<CharacterMap> characterMaps(const std::vector<FontGlyph>& glyphs) {
    std::vector<size_t> runs;  // each run's first glyph, and the end
    for (size_t i = 0; i < glyphs.size(); ++i)
        if (i == 0 || glyphs[i].code != glyphs[i - 1].code + 1) runs.push_back(i);
    runs.push_back(glyphs.size());
    const auto cost = [](int64_t bytes) { return bytes * (1 << 17) + 1; };
    const auto listedBefore = [&](size_t j) { return cost(int64_t(runs[j]) * ListedBytes) - 1; };
    std::vector<int64_t> best(runs.size(), 0);
    std::vector<size_t> from(runs.size());  // the run the last map starts at
    std::vector<char> listed(runs.size());
    const auto startCost = [&](size_t j) { return best[j] - listedBefore(j); };
    std::deque<size_t> starts;
    for (size_t k = 1; k < runs.size(); ++k) {
        while (!starts.empty() && startCost(starts.back()) >= startCost(k - 1)) starts.pop_back();
        starts.push_back(k - 1);
        while (glyphs[runs[k] - 1].code - glyphs[runs[starts.front()]].code >= MostSpan)
            starts.pop_front();
        best[k] = best[k - 1] + cost(MapBytes);
        from[k] = k - 1;
        const int64_t listing = startCost(starts.front()) + cost(MapBytes) + listedBefore(k);
        if (listing < best[k]) best[k] = listing, from[k] = starts.front(), listed[k] = true;
    }
    std::vector<CharacterMap> maps;
    for (size_t k = runs.size() - 1; k > 0; k = from[k])
        maps.push_back({runs[from[k]], runs[k] - runs[from[k]], bool(listed[k])});
    std::reverse(maps.begin(), maps.end());
    return maps;
}

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
QString caption(const FontGlyph& glyph) {
    const QString code = QString::asprintf("U+%04X", uint(glyph.code));
    return QChar::isPrint(glyph.code) ? code + QLatin1Char(' ') + glyph.character : code;
}

// The bitmaps, and each glyph's index into them: nothing for a glyph without ink.
std::vector<size_t> writeBitmaps(const Font& font, const QString& name, CText& text) {
    text << "/* Each glyph's box, 1 bit a pixel: its rows from the top run on with no padding, the "
            "leftmost\n * pixel the highest bit; a glyph starts on a whole byte. */\n"
         << "static LV_ATTRIBUTE_LARGE_CONST const uint8_t " << name << "_bitmaps[] = {\n";
    std::vector<size_t> indexes;
    std::vector<uint8_t> bytes;
    size_t at = 0;
    for (const FontGlyph& glyph : font.glyphs) {
        pack(glyph.ink, bytes);
        indexes.push_back(bytes.empty() ? 0 : at);
        if (bytes.empty()) continue;
        text << "    /* " << caption(glyph) << " */";
        for (size_t k = 0; k < bytes.size(); ++k) {
            text << (k % 16 ? " " : "\n    ");
            text.hex(bytes[k], 2);
            text << ",";
        }
        text << "\n";
        at += bytes.size();
    }
    if (at == 0) text << "    0x00, /* no glyph has ink */\n";
    text << "};\n\n";
    return indexes;
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
        text << "static const uint16_t " << name << "_codes_" << int64_t(m) << "[] = {";
        for (size_t k = 0; k < maps[m].count; ++k) {
            text << (k % 12 ? " " : "\n    ");
            text.hex(font.glyphs[maps[m].first + k].code - start, 4);
            text << ",";
        }
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
            text << name << "_codes_" << int64_t(m)
                 << ", .list_length = " << int64_t(maps[m].count);
        else
            text << "NULL, .list_length = 0";
        text << ", .glyph_id_ofs_list = NULL,\n     .type = LV_FONT_FMT_TXT_CMAP_"
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

// A name or path in a comment, which */ would end.
QString inComment(QString text) {
    return text.replace(QStringLiteral("*/"), QStringLiteral("* /"));
}

void writeOpening(const Source& source, const Font& font, const QString& name, CText& text) {
    const int pixels = font.ascent + font.descent;
    text << "/* " << name << ": an LVGL 9 font of " << int64_t(font.glyphs.size())
         << (font.glyphs.size() == 1 ? " glyph" : " glyphs") << ", 1 bit a pixel, made by "
         << "glimmet-font " << GLIMMET_VERSION << "\n * from " << inComment(source.face);
    if (!source.file.isEmpty()) text << " at " << int64_t(pixels) << " pixels";
    text << ".\n";
    if (!source.file.isEmpty()) text << " * Font file: " << inComment(source.file) << "\n";
    text << " * A line is " << int64_t(pixels) << " pixels high, " << int64_t(font.descent)
         << " of them below the baseline.\n * In a program: LV_FONT_DECLARE(" << name
         << "); then\n * lv_obj_set_style_text_font(label, &" << name << ", 0); */\n\n"
         << "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n"
         << "#include \"lvgl/lvgl.h\"\n#endif\n\n#if LVGL_VERSION_MAJOR < 9\n#error \"" << name
         << " is a font for LVGL 9\"\n#endif\n\n";
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
    CText opening, body;
    writeOpening(source, font, name, opening);
    const std::vector<size_t> indexes = writeBitmaps(font, name, body);
    if (!fitsSmall(font, indexes)) {
        Warn(QCoreApplication::translate("glimmet-font",
                                         "the font passes LVGL's usual limits: LVGL draws it with "
                                         "LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h"));
        opening << "#if !LV_FONT_FMT_TXT_LARGE\n#error \"" << name
                << " needs LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h: its bitmaps pass 1 MB or a "
                << "glyph 255 pixels\"\n"
                << "#endif\n\n";
    }
    writeGlyphs(font, name, indexes, body);
    const std::vector<CharacterMap> maps = characterMaps(font.glyphs);
    writeMaps(font, name, maps, body);
    writeFont(font, name, maps.size(), body);
    output.write(opening.bytes());
    output.write(body.bytes());
    return {};
}
