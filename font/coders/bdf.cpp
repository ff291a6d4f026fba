// --format bdf: a BDF 2.1 font, the exchange format that FreeType, X, FontForge and u8g2's bdfconv
// read, each glyph with its own box, offsets and advance.
#include "font/coder.h"
#include "font/fontglyphs.h"
#include "font/options.h"
#include "font/output.h"
#include "font/source.h"

#include <QStringList>

#include <algorithm>

namespace {

// A string property's value: in quotes, a quote doubled.
QString quoted(QString text) {
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

// The box that holds every glyph's box: width, height and the offsets of its bottom-left.
QRect bounds(const Font& font) {
    QRect box;
    for (const FontGlyph& glyph : font.glyphs)
        if (!glyph.ink.isEmpty())
            box |= QRect(glyph.left, glyph.bottom, glyph.ink.width(), glyph.ink.height());
    return box;
}

QString hexRow(const Glyph& ink, int r) {
    QString row;
    for (int c = 0; c < ink.width(); c += 8) {
        int byte = 0;
        for (int k = 0; k < 8; ++k) byte = byte << 1 | (ink.at(c + k, r) ? 1 : 0);
        row += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return row;
}

QString glyphText(const FontGlyph& glyph, int pixels) {
    QString text =
        QStringLiteral("STARTCHAR %1\nENCODING %2\nSWIDTH %3 0\nDWIDTH %4 0\n")
            .arg(QString::asprintf(glyph.code > 0xFFFF ? "u%05X" : "uni%04X", uint(glyph.code)))
            .arg(glyph.code)
            .arg(glyph.advance * 1000 / pixels)
            .arg(glyph.advance);
    text += QStringLiteral("BBX %1 %2 %3 %4\nBITMAP\n")
                .arg(glyph.ink.width())
                .arg(glyph.ink.height())
                .arg(glyph.left)
                .arg(glyph.bottom);
    for (int r = 0; r < glyph.ink.height(); ++r) text += hexRow(glyph.ink, r) + QLatin1Char('\n');
    return text + QStringLiteral("ENDCHAR\n");
}

// The properties that X and FreeType read; at 72 dots an inch a point is a pixel.
QStringList properties(const Font& font, const QString& family, int pixels) {
    int widths = 0;
    bool cells = true;
    for (const FontGlyph& glyph : font.glyphs) {
        widths += glyph.advance;
        cells = cells && glyph.advance == font.glyphs.front().advance;
    }
    const int average = 10 * widths / int(font.glyphs.size());
    const QString spacing = cells ? QStringLiteral("C") : QStringLiteral("P");
    QString name = family;
    name.replace(QLatin1Char('-'), QLatin1Char(' '));
    const QString xlfd = QStringLiteral("-glimmet-%1-Medium-R-Normal--%2-%3-72-72-%4-%5-ISO10646-1")
                             .arg(name)
                             .arg(pixels)
                             .arg(10 * pixels)
                             .arg(spacing)
                             .arg(average);
    return {QStringLiteral("FONT %1").arg(xlfd),
            QStringLiteral("SIZE %1 72 72").arg(pixels),
            QStringLiteral("FAMILY_NAME %1").arg(quoted(family)),
            QStringLiteral("WEIGHT_NAME \"Medium\""),
            QStringLiteral("SLANT \"R\""),
            QStringLiteral("PIXEL_SIZE %1").arg(pixels),
            QStringLiteral("POINT_SIZE %1").arg(10 * pixels),
            QStringLiteral("RESOLUTION_X 72"),
            QStringLiteral("RESOLUTION_Y 72"),
            QStringLiteral("SPACING \"%1\"").arg(spacing),
            QStringLiteral("AVERAGE_WIDTH %1").arg(average),
            QStringLiteral("CHARSET_REGISTRY \"ISO10646\""),
            QStringLiteral("CHARSET_ENCODING \"1\""),
            QStringLiteral("FONT_ASCENT %1").arg(font.ascent),
            QStringLiteral("FONT_DESCENT %1").arg(font.descent)};
}

QString header(const Source& source, const Font& font, int pixels) {
    QStringList lines{QStringLiteral("STARTFONT 2.1"),
                      QStringLiteral("COMMENT Made by glimmet-font %1 from %2.")
                          .arg(QStringLiteral(GLIMMET_VERSION), source.from(pixels))};
    if (!source.file.isEmpty())
        lines << QStringLiteral("COMMENT Font file: %1").arg(source.fontFile());
    const QStringList props = properties(font, source.face, pixels);
    const QRect box = bounds(font);
    lines << props.mid(0, 2)
          << QStringLiteral("FONTBOUNDINGBOX %1 %2 %3 %4")
                 .arg(box.width())
                 .arg(box.height())
                 .arg(box.left())
                 .arg(box.top())
          << QStringLiteral("STARTPROPERTIES %1").arg(props.size() - 2) << props.mid(2)
          << QStringLiteral("ENDPROPERTIES") << QStringLiteral("CHARS %1").arg(font.glyphs.size());
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace

// The em is the font's size: the glyphs' height, a line's ascent and descent together.
Diagnostic WriteBdf(const Options&, const Source& source, Output& output, Outputs&) {
    Font font;
    const Diagnostic made = MakeFont(source, font);
    if (!made.ok()) return made;
    const int pixels = font.ascent + font.descent;
    output.write(header(source, font, pixels).toUtf8());
    for (const FontGlyph& glyph : font.glyphs) output.write(glyphText(glyph, pixels).toUtf8());
    output.write("ENDFONT\n");
    return {};
}
