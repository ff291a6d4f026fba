#include "font/table.h"

#include "font/characters.h"
#include "listing/listingtext.h"

#include <QStringList>

namespace {

QString label(const QString& character, uint16_t gb2312) {
    QString text = Named(character);
    if (gb2312) text += QStringLiteral(" GB2312 %1").arg(gb2312, 4, 16).toUpper();
    return text;
}

// The comment on top: what made the table and how to read it.
QString about(const Table& table, QSize size, const QString& contents) {
    const QStringList lines =
        QStringList{QStringLiteral("Made by glimmet-font %1 from %2 at %3 pixels: %4.")
                        .arg(QStringLiteral(GLIMMET_VERSION), table.face)
                        .arg(table.size.height())
                        .arg(contents),
                    QStringLiteral("Font file: %1").arg(table.file)} +
        table.layout.description(size).split(QLatin1Char('\n'));
    return table.format == Format::C
               ? QStringLiteral("/* ") + lines.join(QStringLiteral("\n * ")) +
                     QStringLiteral(" */\n")
               : QStringLiteral("; ") + lines.join(QStringLiteral("\n; ")) + QLatin1Char('\n');
}

// Four values a line; a glyph whose bytes are no multiple of four ends on a shorter line.
QString listing(Syntax syntax, const QString& lineStart, const QString& lineEnd,
                const std::vector<uint8_t>& bytes) {
    ListingText text(syntax, lineStart, lineEnd);
    for (uint8_t byte : bytes) text.append(byte);
    QString lines = text.text();
    if (lines.endsWith(QLatin1Char(','))) lines.replace(lines.size() - 1, 1, lineEnd);
    return lines;
}

QString textPicture(const Glyph& glyph) {
    QString picture;
    for (int r = 0; r < glyph.size.height(); ++r) {
        for (int c = 0; c < glyph.size.width(); ++c)
            picture += glyph.inkAt(c, r) ? QLatin1Char('#') : QLatin1Char('.');
        picture += QLatin1Char('\n');
    }
    return picture;
}

}  // namespace

QByteArray Table::header() const {
    const QString contents =
        QStringLiteral("%1 %2 of %3 x %4 pixels, %5 bytes each")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("glyph") : QStringLiteral("glyphs"))
            .arg(size.width())
            .arg(size.height())
            .arg(layout.byteCount(size));
    switch (format) {
        case Format::C:
            return (about(*this, size, contents) +
                    QStringLiteral("static const unsigned char %1[%2][%3] = {\n")
                        .arg(name)
                        .arg(count)
                        .arg(layout.byteCount(size)))
                .toUtf8();
        case Format::Assembly:
            return (about(*this, size, contents) + QStringLiteral("%1:\n").arg(name)).toUtf8();
        case Format::Binary:
        case Format::Text:
            break;
    }
    return {};
}

QByteArray Table::glyph(const QString& character, uint16_t gb2312, const Glyph& glyph) const {
    const std::vector<uint8_t> bytes = layout.bytes(glyph);
    switch (format) {
        case Format::C: {
            QString values =
                listing(Syntax::C, QStringLiteral("     "), QStringLiteral(",\n"), bytes);
            values.replace(0, 5, QStringLiteral("    {"));
            values.chop(2);
            return (QStringLiteral("    /* %1 */\n%2}").arg(label(character, gb2312), values))
                .toUtf8();
        }
        case Format::Assembly:
            return (QStringLiteral("; %1\n").arg(label(character, gb2312)) +
                    listing(Syntax::Assembly, QStringLiteral("    %1 ").arg(directive),
                            QStringLiteral("\n"), bytes))
                .toUtf8();
        case Format::Binary:
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        case Format::Text:
            return (CodePoints(character) + QLatin1Char(' ') + character + QLatin1Char('\n') +
                    textPicture(glyph) + QLatin1Char('\n'))
                .toUtf8();
    }
    return {};
}

QByteArray Table::separator(bool last) const {
    if (format != Format::C) return {};
    return last ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n");
}

QByteArray Table::footer() const {
    return format == Format::C ? QByteArrayLiteral("};\n") : QByteArray();
}

QByteArray Table::strip(const QString& message, const Glyph& strip) const {
    const QSize size = strip.size;
    const std::vector<uint8_t> bytes = layout.bytes(strip);
    const QString contents =
        QStringLiteral("a strip of %1 %2, %3 x %4 pixels, %5 bytes")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("character") : QStringLiteral("characters"))
            .arg(size.width())
            .arg(size.height())
            .arg(bytes.size());
    switch (format) {
        case Format::C: {
            QString values =
                listing(Syntax::C, QStringLiteral("    "), QStringLiteral(",\n"), bytes);
            values.chop(2);
            return (about(*this, size, contents) +
                    QStringLiteral("#define %1_WIDTH %2\n#define %1_HEIGHT %3\n")
                        .arg(name.toUpper())
                        .arg(size.width())
                        .arg(size.height()) +
                    QStringLiteral("static const unsigned char %1[%2] = {\n")
                        .arg(name)
                        .arg(bytes.size()) +
                    values + QStringLiteral("\n};\n"))
                .toUtf8();
        }
        case Format::Assembly:
            return (about(*this, size, contents) + QStringLiteral("%1:\n").arg(name) +
                    listing(Syntax::Assembly, QStringLiteral("    %1 ").arg(directive),
                            QStringLiteral("\n"), bytes))
                .toUtf8();
        case Format::Binary:
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        case Format::Text:
            return (message + QLatin1Char('\n') + textPicture(strip) + QLatin1Char('\n')).toUtf8();
    }
    return {};
}
