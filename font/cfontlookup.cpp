// The C of a font's lookup and the comment that tells how to use it: C89 that gcc, sdcc, Keil's
// C51 and avr-gcc take, reading the tables where the target keeps them.
#include "font/cfont.h"

#include "font/layouttext.h"
#include "font/source.h"
#include "font/target.h"

namespace {

// The function's text with its names and reads: %n the font's name, %N its macros' prefix, %T the
// type of a code (not named "code", which Keil's C51 reserves); READ1(p[0]) reads a byte of a
// string, READ(...) a code, where the target keeps them.
QString filled(QString text, const CFont& font) {
    const QString code = QStringLiteral("%n_codes[middle]");
    return text.replace(QLatin1String("READ1(p[0])"), font.target.read(QStringLiteral("p[0]"), 1))
        .replace(QStringLiteral("READ(%1)").arg(code), font.target.read(code, font.codeBytes()))
        .replace(QLatin1String("%n"), font.name)
        .replace(QLatin1String("%N"), font.upper())
        .replace(QLatin1String("%T"), font.codeType());
}

constexpr char Find[] =
    R"(/* The index of the glyph of a code, or %N_NONE: a binary search of the sorted codes. */
unsigned int %n_find(%T value)
{
    unsigned int low = 0, high = %N_COUNT;
    while (low < high) {
        unsigned int middle = low + (high - low) / 2;
        %T found = READ(%n_codes[middle]);
        if (found == value)
            return middle;
        if (found < value)
            low = middle + 1;
        else
            high = middle;
    }
    return %N_NONE;
}
)";

constexpr char NextGb2312[] =
    R"(/* Reads the character at *text as a GB2312 string holds it, one byte below 0x80 and two from
 * there on; moves *text past it and gives the index of its glyph, or %N_NONE. */
unsigned int %n_next(const unsigned char **text)
{
    const unsigned char *p = *text;
    unsigned short value = READ1(p[0]);
    ++p;
    if (value >= 0x80 && READ1(p[0]) != 0) {
        value = (unsigned short)(value << 8 | READ1(p[0]));
        ++p;
    }
    *text = p;
    return %n_find(value);
}
)";

constexpr char NextUtf8[] =
    R"(/* Reads the character at *text as a UTF-8 string holds it, in one to four bytes; moves *text
 * past it and gives the index of its glyph, or %N_NONE. */
unsigned int %n_next(const unsigned char **text)
{
    const unsigned char *p = *text;
    unsigned long value = READ1(p[0]);
    unsigned char more = value >= 0xF0 ? 3 : value >= 0xE0 ? 2 : value >= 0xC0 ? 1 : 0;
    ++p;
    if (more)
        value &= 0x3F >> more;
    for (; more && (READ1(p[0]) & 0xC0) == 0x80; --more, ++p)
        value = value << 6 | (READ1(p[0]) & 0x3F);
    *text = p;
    if (more || value > %MAXUL)
        return %N_NONE;
    return %n_find((%T)value);
}
)";

}  // namespace

QString LookupFunctions(const CFont& font) {
    QString next = QString::fromLatin1(font.codeSet == CodeSet::Gb2312 ? NextGb2312 : NextUtf8);
    next.replace(QLatin1String("%MAX"),
                 font.codeBytes() == 2 ? QLatin1String("0xFFFF") : QLatin1String("0x10FFFF"));
    return filled(QString::fromLatin1(Find), font) + QLatin1Char('\n') + filled(next, font);
}

QString LookupPrototypes(const CFont& font) {
    return filled(QStringLiteral("unsigned int %n_find(%T value);\n"
                                 "unsigned int %n_next(const unsigned char **text);\n"),
                  font);
}

QStringList CFontAbout(const CFont& font, const Source& source, int size) {
    const QSize widest(font.widest(), font.height);
    QStringList lines{
        QStringLiteral("Made by glimmet-font %1 from %2: a font of %3 %4, %5 pixels high and "
                       "up to %6 wide, %7 bytes of bitmaps.")
            .arg(QStringLiteral(GLIMMET_VERSION), source.from(size))
            .arg(font.entries.size())
            .arg(font.entries.size() == 1 ? QStringLiteral("glyph") : QStringLiteral("glyphs"))
            .arg(font.height)
            .arg(widest.width())
            .arg(font.byteCount())};
    if (!source.file.isEmpty()) lines << QStringLiteral("Font file: %1").arg(source.fontFile());
    lines << QStringLiteral(
                 "Each glyph is as wide as the font advances past it, packed alone "
                 "in this layout (shown for the widest, %1 x %2):")
                 .arg(widest.width())
                 .arg(widest.height());
    lines += LayoutDescription(font.layout, widest);
    lines += BitPicture(font.layout, widest);
    lines << (font.codeSet == CodeSet::Gb2312
                  ? QStringLiteral("Codes: GB2312, ASCII as its one byte and the rest as their two "
                                   "bytes read as one number, the high one first (0xCEC2 for "
                                   "U+6E29); %1_next reads a GB2312 string.")
                  : QStringLiteral("Codes: Unicode code points; %1_next reads a UTF-8 string."))
                 .arg(font.name);
    lines << QStringLiteral(
                 "%1_find(code) gives the index of the glyph of a code, or %2_NONE; "
                 "%1_next(&s) reads the character at s, moves s past it and gives "
                 "the index of its glyph.")
                 .arg(font.name, font.upper())
          << QStringLiteral(
                 "Glyph g is %1_widths[g] pixels wide and %2_HEIGHT high; its bytes are "
                 "%1_bitmaps[%1_offsets[g]] up to %1_bitmaps[%1_offsets[g + 1]].")
                 .arg(font.name, font.upper());
    if (font.message)
        lines << QStringLiteral("%1_text: the text in these codes, %2_TEXT_LENGTH bytes and a 0.")
                     .arg(font.name, font.upper());
    if (font.target.readsFlash())
        lines << QStringLiteral(
                     "The tables and the text stay in flash, not in RAM: read them with "
                     "pgm_read_byte, pgm_read_word and pgm_read_dword, as %1_find "
                     "does; %1_next reads a string in flash (%1_text, or "
                     "PSTR(\"...\")).")
                     .arg(font.name);
    else if (*font.target.reading)
        lines << QStringLiteral("The tables and the text are in code memory: they take no RAM.");
    return lines;
}
