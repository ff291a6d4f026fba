// --format u8g2: a u8g2 font as C source, in the compressed format of u8g2's own fonts, its
// glyphs' fields and runs as narrow as the font allows, the runs' widths those that make it
// smallest, tried as bdfconv tries them.
#include "font/characters.h"
#include "font/coder.h"
#include "font/fontglyphs.h"
#include "font/options.h"
#include "font/output.h"
#include "font/parallel.h"
#include "font/source.h"
#include "font/u8g2glyph.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int HeaderBytes = 23;
constexpr int MostRecordBytes = 255;  // a record says its length in a byte
constexpr int MostFieldBits = 8;      // the decoder reads a field into a byte
// The Unicode glyphs are found through a table with an entry for each block of this many.
constexpr size_t GlyphsPerBlock = 101;

// u8g2 finds a glyph by a 16-bit code, a 0 ends its lists and its UTF-8 reader takes U+FFFE and
// U+FFFF for marks of its own.
Diagnostic keepFindable(Font& font) {
    QStringList leftOut;
    std::erase_if(font.glyphs, [&](const FontGlyph& glyph) {
        const bool findable = glyph.code >= 1 && glyph.code <= 0xFFFD;
        if (!findable) leftOut << Named(glyph.character);
        return !findable;
    });
    if (!leftOut.isEmpty())
        Warn(QCoreApplication::translate(
                 "glimmet-font",
                 "u8g2 finds a glyph by a code point from U+0001 to U+FFFD: %1 left out")
                 .arg(NamedList(leftOut)));
    if (!font.glyphs.empty()) return {};
    return Failed(QCoreApplication::translate(
        "glimmet-font", "no character has a code point from U+0001 to U+FFFD for a u8g2 font"));
}

Diagnostic tooLarge(const FontGlyph& glyph) {
    return Failed(QCoreApplication::translate(
                      "glimmet-font",
                      "%1 is too large for a u8g2 glyph, which holds at most 255 bytes and "
                      "moves the pen at most 127 pixels: make the glyphs smaller")
                      .arg(Named(glyph.character)));
}

// Each field as wide as the font's largest value needs.
Diagnostic fieldsOf(const Font& font, U8g2Fields& fields) {
    for (const FontGlyph& glyph : font.glyphs) {
        const U8g2Fields own = U8g2FieldsOf(glyph);
        if (own.widest() > MostFieldBits) return tooLarge(glyph);
        fields = fields | own;
    }
    return {};
}

void putWord(QByteArray& bytes, qsizetype at, int word) {
    bytes[at] = char(word >> 8);
    bytes[at + 1] = char(word);
}

// The glyphs' count, kept to its low byte as bdfconv writes it (u8g2 never reads it); mode 0,
// each glyph's box its own; the widths; the box that holds every glyph's, a glyph without ink
// counting as the point of its origin, as bdfconv counts it; the line above and below the
// baseline, for u8g2's text positions; and the offsets, filled in as the glyphs are laid out.
QByteArray header(const Font& font, const U8g2Fields& fields, int choice) {
    int left = font.glyphs.front().left, bottom = font.glyphs.front().bottom;
    int right = left, top = bottom;
    for (const FontGlyph& glyph : font.glyphs) {
        left = std::min(left, glyph.left), bottom = std::min(bottom, glyph.bottom);
        right = std::max(right, glyph.left + glyph.ink.width());
        top = std::max(top, glyph.top());
    }
    QByteArray bytes;
    for (const int value :
         {int(font.glyphs.size()), 0, U8g2ZeroBits(choice), U8g2OneBits(choice), fields.width,
          fields.height, fields.left, fields.bottom, fields.advance, right - left, top - bottom,
          left, bottom, font.ascent, -font.descent, font.ascent, -font.descent})
        bytes += char(value);
    return bytes + QByteArray(HeaderBytes - bytes.size(), 0);
}

// An entry for each block of Unicode glyphs: how far its block starts past the one before (the
// first, past the entry itself) and the code of its last glyph, FFFF for the last block, which
// runs on to the end. Fewer glyphs than a block make one.
QByteArray lookupTable(const std::vector<FontGlyph>& glyphs, const std::vector<QByteArray>& records,
                       size_t first) {
    const size_t blocks = std::max<size_t>(1, (glyphs.size() - first) / GlyphsPerBlock);
    QByteArray table(qsizetype(4 * blocks), 0);
    int distance = int(table.size());
    for (size_t k = 0; k < blocks; ++k) {
        const size_t start = first + k * GlyphsPerBlock, end = start + GlyphsPerBlock;
        putWord(table, qsizetype(4 * k), distance);
        putWord(table, qsizetype(4 * k + 2), k + 1 == blocks ? 0xFFFF : int(glyphs[end - 1].code));
        distance = 0;
        for (size_t i = start; i < std::min(end, glyphs.size()); ++i)
            distance += int(records[i].size());
    }
    return table;
}

// The glyphs below 256 first, found from the start or from 'A' or 'a' (from the start where the
// font has no such letter), then those above through the lookup table; each part ends in two
// zeros.
QByteArray fontBytes(const Font& font, const std::vector<QByteArray>& records, QByteArray bytes) {
    qsizetype total = bytes.size() + 4 + 4 * qsizetype(records.size() / GlyphsPerBlock + 1);
    for (const QByteArray& record : records) total += record.size();
    bytes.reserve(total);
    size_t i = 0;
    for (; i < records.size() && font.glyphs[i].code <= 255; ++i) {
        const char32_t code = font.glyphs[i].code;
        if (code == 'A' || code == 'a')
            putWord(bytes, code == 'A' ? 17 : 19, int(bytes.size()) - HeaderBytes);
        bytes += records[i];
    }
    bytes += QByteArray(2, 0);
    putWord(bytes, 21, int(bytes.size()) - HeaderBytes);
    bytes += lookupTable(font.glyphs, records, i);
    for (; i < records.size(); ++i) bytes += records[i];
    return bytes.append(2, 0);
}

// The glyphs are encoded on all cores, once to weigh every choice of the runs' widths and once
// more in the smallest, the first of equals as bdfconv takes it.
Diagnostic encode(const Font& font, QByteArray& bytes) {
    U8g2Fields fields;
    const Diagnostic fit = fieldsOf(font, fields);
    if (!fit.ok()) return fit;
    const size_t count = font.glyphs.size();
    const auto none = [] { return 0; };
    std::vector<U8g2Lengths> lengths(count);
    ParallelFor(count, 256, none,
                [&](int, size_t i) { lengths[i] = U8g2Weigh(font.glyphs[i], fields); });
    std::array<long long, U8g2RunChoices> totals{};
    for (const U8g2Lengths& glyph : lengths)
        for (int choice = 0; choice < U8g2RunChoices; ++choice) totals[choice] += glyph[choice];
    const int choice = int(std::min_element(totals.begin(), totals.end()) - totals.begin());
    for (size_t i = 0; i < count; ++i)
        if (lengths[i][choice] > MostRecordBytes) return tooLarge(font.glyphs[i]);
    std::vector<QByteArray> records(count);
    ParallelFor(count, 256, none, [&](int, size_t i) {
        records[i] = U8g2Record(font.glyphs[i], fields, choice, lengths[i][choice]);
    });
    bytes = fontBytes(font, records, header(font, fields, choice));
    return {};
}

// Each byte as a C string holds it: printable ASCII as itself, the rest in octal, and with them
// the digits (that none is read into an escape before it), quotes, backslashes and question
// marks (that no trigraph is).
const std::array<QByteArray, 256>& escapes() {
    static const std::array<QByteArray, 256> escapes = [] {
        std::array<QByteArray, 256> table;
        for (int byte = 0; byte < 256; ++byte)
            table[byte] =
                byte < 32 || byte >= 127 || QByteArrayView("\"\\?0123456789").contains(char(byte))
                    ? QByteArray("\\") + QByteArray::number(byte, 8)
                    : QByteArray(1, char(byte));
        return table;
    }();
    return escapes;
}

// The font's last byte, a 0, is the string's own end. The text goes out through a buffer of its
// own, a line of at most four characters a byte at a time: a font of a megabyte is millions of
// characters.
void writeLiteral(const QByteArray& bytes, Output& output) {
    constexpr qsizetype BytesALine = 32, Buffer = 1 << 16;
    QByteArray text(Buffer + 4 * BytesALine + 8, Qt::Uninitialized);
    char* const start = text.data();
    char* out = start;
    const std::array<QByteArray, 256>& escape = escapes();
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (i % BytesALine == 0) {
            if (out - start >= Buffer) output.write(QByteArrayView(start, out)), out = start;
            const QByteArrayView opening = i ? QByteArrayView("\"\n  \"") : QByteArrayView("  \"");
            out = std::copy(opening.begin(), opening.end(), out);
        }
        const QByteArray& piece = escape[uint8_t(bytes[i])];
        out = std::copy(piece.begin(), piece.end(), out);
    }
    output.write(QByteArrayView(start, out));
    output.write("\";\n");
}

QByteArray comment(const Source& source, const Font& font, const QString& name, qsizetype size) {
    QStringList lines{
        QStringLiteral("A u8g2 font made by glimmet-font %1 from %2: %3 glyphs, %4 bytes.")
            .arg(QStringLiteral(GLIMMET_VERSION), source.from(font.ascent + font.descent))
            .arg(font.glyphs.size())
            .arg(size)};
    if (!source.file.isEmpty()) lines << QStringLiteral("Font file: %1").arg(source.fontFile());
    lines << QStringLiteral(
                 "Compile it with u8g2's csrc on the include path, or include it in an Arduino")
          << QStringLiteral("sketch after <U8g2lib.h>; then u8g2.setFont(%1) and").arg(name)
          << QStringLiteral("u8g2.drawUTF8(x, baseline, \"...\").");
    return (QStringLiteral("/* ") + lines.join(QStringLiteral("\n * ")) + QStringLiteral(" */\n"))
        .toUtf8();
}

}  // namespace

// The array is u8g2's own fonts' declaration; the header that declares it is u8g2.h, unless the
// file that includes this one has it already.
Diagnostic WriteU8g2(const Options& options, const Source& source, Output& output, Outputs&) {
    Font font;
    Diagnostic step = MakeFont(source, font);
    if (step.ok()) step = keepFindable(font);
    QByteArray bytes;
    if (step.ok()) step = encode(font, bytes);
    if (!step.ok()) return step;
    const QByteArray name =
        options.name.isEmpty() ? QByteArrayLiteral("glimmet_font") : options.name.toLatin1();
    output.write(comment(source, font, QString::fromLatin1(name), bytes.size()));
    output.write("#ifndef U8G2_H\n#include \"u8g2.h\"\n#endif\nconst uint8_t " + name + '[' +
                 QByteArray::number(bytes.size()) + "] U8G2_FONT_SECTION(\"" + name + "\") =\n");
    writeLiteral(bytes, output);
    return {};
}
