#include "font/table.h"

#include "font/characters.h"
#include "font/picture.h"
#include "listing/listingtext.h"

#include <QStringList>

namespace {

QString label(const QString& character, uint16_t gb2312, bool named) {
    const QString code = QStringLiteral("GB2312 %1").arg(gb2312, 4, 16).toUpper();
    if (named) return character;
    if (character.isEmpty()) return code + QStringLiteral(", no character");
    return gb2312 ? Named(character) + QLatin1Char(' ') + code : Named(character);
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

// How many bytes an index of the text takes: the C type is the smallest that holds them all.
int indexBytes(qsizetype count) {
    return count <= 0x100 ? 1 : count <= 0x10000 ? 2 : 4;
}

QString indexType(qsizetype count) {
    static const char* const types[] = {"", "unsigned char", "unsigned short", "", "unsigned long"};
    return QString::fromLatin1(types[indexBytes(count)]);
}

QString textName(const Table& table) {
    return table.name + QStringLiteral("_text");
}

QString lengthName(const Table& table) {
    return table.name.toUpper() + QStringLiteral("_TEXT_LENGTH");
}

QString bytesEach(const Table& table) {
    return QString::number(table.layout.byteCount(table.size));
}

// What a table of glyphs holds, for the first line of its comment.
QString glyphsHeld(const Table& table) {
    return QStringLiteral("%1 %2 of %3 x %4 pixels, %5 bytes each")
        .arg(table.count)
        .arg(table.count == 1 ? QStringLiteral("glyph") : QStringLiteral("glyphs"))
        .arg(table.size.width())
        .arg(table.size.height())
        .arg(bytesEach(table));
}

// The comment lines on top: what made the table, what it holds (its bitmaps being of the size),
// and how to read it. Glyphs read from a file have no font file and no em.
QStringList about(const Table& table, QSize size, const QString& held) {
    const QString source =
        table.file.isEmpty()
            ? table.face
            : QStringLiteral("%1 at %2 pixels").arg(table.face).arg(table.size.height());
    QStringList lines{QStringLiteral("Made by glimmet-font %1 from %2: %3.")
                          .arg(QStringLiteral(GLIMMET_VERSION), source, held)};
    if (!table.file.isEmpty()) lines << QStringLiteral("Font file: %1").arg(table.file);
    lines += table.layout.description(size).split(QLatin1Char('\n'));
    lines += BitPicture(table.layout, size);
    if (table.records == Records::Gb2312Index)
        lines << QStringLiteral(
                     "Each record: the character's two GB2312 bytes, the high one "
                     "first, then its %1 bytes.")
                     .arg(bytesEach(table));
    if (table.records == Records::Gb2312Slots)
        lines << QStringLiteral(
            "87 rows of 94 slots: the glyph of GB2312 code (hi, lo) is number "
            "(hi - 0xA1) * 94 + (lo - 0xA1); unused slots are blank.");
    if (!table.text.empty())
        lines << QStringLiteral("%1: the text, glyph by glyph, as %2 indexes into %3.")
                     .arg(textName(table))
                     .arg(table.text.size())
                     .arg(table.name);
    return lines;
}

// The C types and declarators of what the table defines.
QString recordType(const Table& table) {
    return table.records == Records::Gb2312Index
               ? QStringLiteral("struct %1_record").arg(table.name)
               : QStringLiteral("unsigned char");
}

QString tableDeclarator(const Table& table) {
    if (table.records == Records::Gb2312Index)
        return QStringLiteral("%1[%2]").arg(table.name).arg(table.count);
    return QStringLiteral("%1[%2][%3]").arg(table.name).arg(table.count).arg(bytesEach(table));
}

// Keil's C51 reserves "code", so the record's fields are named otherwise.
QString recordDefinition(const Table& table) {
    if (table.records != Records::Gb2312Index) return {};
    return QStringLiteral("%1 {\n    unsigned char gb2312[2];\n    unsigned char bitmap[%2];\n};\n")
        .arg(recordType(table), bytesEach(table));
}

QString guard(const Table& table, bool header) {
    return QStringLiteral("GLIMMET_%1_%2")
        .arg(table.name.toUpper(),
             header || !table.shared ? QStringLiteral("H") : QStringLiteral("C"));
}

QString cStart(const Table& table, bool header, QSize size, const QString& held) {
    QStringList lines = about(table, size, held);
    const QString reading = table.toolchain.reading(table.name);
    if (!reading.isEmpty()) lines << reading;
    return QStringLiteral("/* ") + lines.join(QStringLiteral("\n * ")) +
           QStringLiteral(" */\n#ifndef %1\n#define %1\n").arg(guard(table, header)) +
           table.toolchain.include() + recordDefinition(table);
}

QString storage(const Table& table) {
    return table.shared ? QString() : QStringLiteral("static ");
}

QString cText(const Table& table) {
    QString text = QStringLiteral("#define %1 %2\n%3%4 = {")
                       .arg(lengthName(table))
                       .arg(table.text.size())
                       .arg(storage(table),
                            table.toolchain.declaration(
                                indexType(table.count),
                                QStringLiteral("%1[%2]").arg(textName(table), lengthName(table))));
    for (size_t k = 0; k < table.text.size(); ++k)
        text += (k % 16 ? QStringLiteral(", ")
                 : k    ? QStringLiteral(",\n    ")
                        : QStringLiteral("\n    ")) +
                QString::number(table.text[k]);
    return text + QStringLiteral("\n};\n");
}

QStringList labels(const Table& table) {
    QStringList names{table.name};
    if (!table.text.empty()) names << textName(table);
    return names;
}

QString dataDirective(const Table& table) {
    return table.directive.isEmpty() ? table.toolchain.directive() : table.directive;
}

// Each index as one, two or four bytes in the processor's order.
QString assemblyText(const Table& table) {
    const int width = indexBytes(table.count);
    std::vector<uint8_t> bytes;
    for (int32_t index : table.text)
        for (int k = 0; k < width; ++k) {
            const int shift = 8 * (table.toolchain.littleEndian() ? k : width - 1 - k);
            bytes.push_back(uint8_t(index >> shift));
        }
    const QString order = width == 1 ? QString()
                          : table.toolchain.littleEndian()
                              ? QStringLiteral(", the low byte first")
                              : QStringLiteral(", the high byte first");
    static const char* const sizes[] = {"", "one byte", "two bytes", "", "four bytes"};
    return QStringLiteral("; %1 indexes of %2 each%3\n")
               .arg(table.text.size())
               .arg(QLatin1String(sizes[width]), order) +
           table.toolchain.label(textName(table)) +
           listing(table.toolchain.values(), QStringLiteral("    %1 ").arg(dataDirective(table)),
                   QStringLiteral("\n"), bytes);
}

// The comment, the C declaration where the toolchain's C links with this file as it stands, and
// the start of the table's section up to its label.
QString assemblyStart(const Table& table, QSize size, const QString& held,
                      const QString& declaration) {
    QStringList lines = about(table, size, held);
    const Target target = table.toolchain.target;
    if ((target == Target::Sdcc || target == Target::Avr) && table.records != Records::Gb2312Index)
        lines << QStringLiteral("C declares it as: extern %1;").arg(declaration);
    return QStringLiteral("; ") + lines.join(QStringLiteral("\n; ")) + QLatin1Char('\n') +
           table.toolchain.assemblyStart(labels(table)) + table.toolchain.label(table.name);
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
            return (cStart(*this, false, size, glyphsHeld(*this)) + storage(*this) +
                    toolchain.declaration(recordType(*this), tableDeclarator(*this)) +
                    QStringLiteral(" = {\n"))
                .toUtf8();
        case Format::Assembly: {
            return assemblyStart(*this, size, glyphsHeld(*this),
                                 toolchain.declaration(recordType(*this), tableDeclarator(*this)))
                .toUtf8();
        }
        case Format::Binary:
        case Format::Text:
            break;
    }
    return {};
}

QByteArray Table::glyph(const QString& character, uint16_t gb2312, bool named,
                        const Glyph& glyph) const {
    const std::vector<uint8_t> bytes = layout.bytes(glyph);
    const bool record = records == Records::Gb2312Index;
    const std::vector<uint8_t> code{uint8_t(gb2312 >> 8), uint8_t(gb2312)};
    switch (format) {
        case Format::C: {
            const QString indent(record ? 6 : 5, QLatin1Char(' '));
            QString values = listing(Syntax::C, indent, QStringLiteral(",\n"), bytes);
            values.replace(indent.size() - 1, 1, QStringLiteral("{"));
            values.chop(2);
            if (record)
                values =
                    QStringLiteral("    {{%1},\n%2}").arg(listing(Syntax::C, {}, {}, code), values);
            return (QStringLiteral("    /* %1 */\n%2}")
                        .arg(label(character, gb2312, named), values))
                .toUtf8();
        }
        case Format::Assembly: {
            const QString lineStart = QStringLiteral("    %1 ").arg(dataDirective(*this));
            const QString codeLine =
                record ? listing(toolchain.values(), lineStart, QStringLiteral("\n"), code)
                       : QString();
            return (QStringLiteral("; %1\n").arg(label(character, gb2312, named)) + codeLine +
                    listing(toolchain.values(), lineStart, QStringLiteral("\n"), bytes))
                .toUtf8();
        }
        case Format::Binary:
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        case Format::Text:
            // What --from text reads back.
            return ((named ? QStringLiteral("# ") + character
                           : CodePoints(character) + QLatin1Char(' ') + character) +
                    QLatin1Char('\n') + textPicture(glyph) + QLatin1Char('\n'))
                .toUtf8();
    }
    return {};
}

QByteArray Table::separator(bool last) const {
    if (format != Format::C) return {};
    return last ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n");
}

QByteArray Table::footer() const {
    switch (format) {
        case Format::C:
            return (QStringLiteral("};\n") + (text.empty() ? QString() : cText(*this)) +
                    QStringLiteral("#endif\n"))
                .toUtf8();
        case Format::Assembly:
            return ((text.empty() ? QString() : assemblyText(*this)) + toolchain.assemblyEnd())
                .toUtf8();
        case Format::Binary:
        case Format::Text:
            break;
    }
    return {};
}

QByteArray Table::declarations() const {
    QString lines = cStart(*this, true, size, glyphsHeld(*this)) + QStringLiteral("extern ") +
                    toolchain.declaration(recordType(*this), tableDeclarator(*this)) +
                    QStringLiteral(";\n");
    if (!text.empty())
        lines += QStringLiteral("#define %1 %2\nextern %3;\n")
                     .arg(lengthName(*this))
                     .arg(text.size())
                     .arg(toolchain.declaration(
                         indexType(count),
                         QStringLiteral("%1[%2]").arg(textName(*this), lengthName(*this))));
    return (lines + QStringLiteral("#endif\n")).toUtf8();
}

QByteArray Table::strip(const QString& message, const Glyph& strip) const {
    const std::vector<uint8_t> bytes = layout.bytes(strip);
    const QString held =
        QStringLiteral("a strip of %1 %2, %3 x %4 pixels, %5 bytes")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("character") : QStringLiteral("characters"))
            .arg(strip.size.width())
            .arg(strip.size.height())
            .arg(bytes.size());
    const QString declarator = QStringLiteral("%1[%2]").arg(name).arg(bytes.size());
    switch (format) {
        case Format::C: {
            QString values =
                listing(Syntax::C, QStringLiteral("    "), QStringLiteral(",\n"), bytes);
            values.chop(2);
            return (cStart(*this, false, strip.size, held) +
                    QStringLiteral("#define %1_WIDTH %2\n#define %1_HEIGHT %3\n")
                        .arg(name.toUpper())
                        .arg(strip.size.width())
                        .arg(strip.size.height()) +
                    storage(*this) +
                    toolchain.declaration(QStringLiteral("unsigned char"), declarator) +
                    QStringLiteral(" = {\n") + values + QStringLiteral("\n};\n#endif\n"))
                .toUtf8();
        }
        case Format::Assembly:
            return (assemblyStart(
                        *this, strip.size, held,
                        toolchain.declaration(QStringLiteral("unsigned char"), declarator)) +
                    listing(toolchain.values(), QStringLiteral("    %1 ").arg(dataDirective(*this)),
                            QStringLiteral("\n"), bytes) +
                    toolchain.assemblyEnd())
                .toUtf8();
        case Format::Binary:
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        case Format::Text:
            return (message + QLatin1Char('\n') + textPicture(strip) + QLatin1Char('\n')).toUtf8();
    }
    return {};
}
