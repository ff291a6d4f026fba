// --format c: the glyphs as a C array, for the target's compiler, and with --header the header
// that declares it.
#include "font/coder.h"
#include "font/options.h"
#include "font/output.h"
#include "font/table.h"
#include "font/target.h"

namespace {

QString recordType(const Table& table) {
    return table.records == Records::Index ? QStringLiteral("struct %1_record").arg(table.name)
                                           : QStringLiteral("unsigned char");
}

QString tableDeclarator(const Table& table) {
    if (table.records == Records::Index)
        return QStringLiteral("%1[%2]").arg(table.name).arg(table.count);
    return QStringLiteral("%1[%2][%3]").arg(table.name).arg(table.count).arg(table.bytesEach());
}

QString textDeclarator(const Table& table) {
    return QStringLiteral("%1[%2]").arg(table.textName(), table.lengthName());
}

// Keil's C51 reserves "code", so the record's fields are named otherwise. A code point is a
// number, in the compiler's own byte order; GB2312's code is the bytes of a string.
QString codeField(const Table& table) {
    if (table.codeSet == CodeSet::Gb2312) return QStringLiteral("unsigned char gb2312[2]");
    return table.codeBytes() == 2 ? QStringLiteral("unsigned short unicode")
                                  : QStringLiteral("unsigned long unicode");
}

QString recordDefinition(const Table& table) {
    if (table.records != Records::Index) return {};
    return QStringLiteral("%1 {\n    %2;\n    unsigned char bitmap[%3];\n};\n")
        .arg(recordType(table), codeField(table))
        .arg(table.bytesEach());
}

QString codeValue(const Table& table, uint32_t code) {
    if (table.codeSet == CodeSet::Gb2312)
        return QLatin1Char('{') +
               ValueLines(Syntax::C, {}, {}, {uint8_t(code >> 8), uint8_t(code)}) +
               QLatin1Char('}');
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
}

QString guard(const Table& table, bool header) {
    return QStringLiteral("GLIMMET_%1_%2")
        .arg(table.name.toUpper(),
             header || !table.shared ? QStringLiteral("H") : QStringLiteral("C"));
}

// The subscripts of one byte of the array: of a strip, a glyph, or a record's bitmap.
QString byteOf(const Table& table) {
    if (table.strip) return QStringLiteral("[byte]");
    return table.records == Records::Index ? QStringLiteral("[record].bitmap[byte]")
                                           : QStringLiteral("[glyph][byte]");
}

QString comment(const Table& table, QSize bitmap, const QString& held) {
    QStringList lines = table.about(bitmap, held);
    const QString reading = QString::fromLatin1(table.target.reading);
    if (!reading.isEmpty())
        lines << QString(reading).replace(QLatin1String("%2"), byteOf(table)).arg(table.name);
    return QStringLiteral("/* ") + lines.join(QStringLiteral("\n * ")) + QStringLiteral(" */\n");
}

// A table with a header includes it, so that a header of another run does not compile with it;
// the header then defines the record.
QString opening(const Table& table, bool header, QSize bitmap, const QString& held) {
    const QString included = table.shared && !header
                                 ? QStringLiteral("#include \"%1\"\n").arg(table.header)
                                 : recordDefinition(table);
    return comment(table, bitmap, held) +
           QStringLiteral("#ifndef %1\n#define %1\n").arg(guard(table, header)) +
           QString::fromLatin1(table.target.include) + included;
}

QString storage(const Table& table) {
    return table.shared ? QString() : QStringLiteral("static ");
}

QString textArray(const Table& table) {
    QString text =
        QStringLiteral("#define %1 %2\n%3%4 = {")
            .arg(table.lengthName())
            .arg(table.text.size())
            .arg(storage(table), table.target.declare(table.indexType(), textDeclarator(table)));
    for (size_t k = 0; k < table.text.size(); ++k)
        text += (k % 16 ? QStringLiteral(", ")
                 : k    ? QStringLiteral(",\n    ")
                        : QStringLiteral("\n    ")) +
                QString::number(table.text[k]);
    return text + QStringLiteral("\n};\n");
}

QByteArray start(const Table& table) {
    return (opening(table, false, table.size, table.held()) + storage(table) +
            table.target.declare(recordType(table), tableDeclarator(table)) +
            QStringLiteral(" = {\n"))
        .toUtf8();
}

void entry(const Table& table, const Entry& entry, QByteArray& text) {
    const bool record = table.records == Records::Index;
    const QString indent(record ? 6 : 5, QLatin1Char(' '));
    QString values =
        ValueLines(Syntax::C, indent, QStringLiteral(",\n"), table.layout.bytes(entry.glyph));
    values.replace(indent.size() - 1, 1, QStringLiteral("{"));
    values.chop(2);
    if (record) values = QStringLiteral("    {%1,\n%2}").arg(codeValue(table, entry.key), values);
    text += QStringLiteral("    /* %1 */\n%2}").arg(entry.label(), values).toUtf8();
}

QByteArray separator(bool last) {
    return last ? QByteArrayLiteral("\n") : QByteArrayLiteral(",\n");
}

QByteArray end(const Table& table) {
    return (QStringLiteral("};\n") + (table.text.empty() ? QString() : textArray(table)) +
            QStringLiteral("#endif\n"))
        .toUtf8();
}

QByteArray strip(const Table& table, const QString&, const Glyph& strip) {
    const std::vector<uint8_t> bytes = table.layout.bytes(strip);
    QString values = ValueLines(Syntax::C, QStringLiteral("    "), QStringLiteral(",\n"), bytes);
    values.chop(2);
    return (opening(table, false, strip.size(), table.stripHeld(strip)) +
            QStringLiteral("#define %1_WIDTH %2\n#define %1_HEIGHT %3\n")
                .arg(table.name.toUpper())
                .arg(strip.width())
                .arg(strip.height()) +
            storage(table) +
            table.target.declare(QStringLiteral("unsigned char"),
                                 QStringLiteral("%1[%2]").arg(table.name).arg(bytes.size())) +
            QStringLiteral(" = {\n") + values + QStringLiteral("\n};\n#endif\n"))
        .toUtf8();
}

// The header that declares what the table defines.
QByteArray declarations(const Table& table) {
    QString lines = opening(table, true, table.size, table.held()) + QStringLiteral("extern ") +
                    table.target.declare(recordType(table), tableDeclarator(table)) +
                    QStringLiteral(";\n");
    if (!table.text.empty())
        lines += QStringLiteral("#define %1 %2\nextern %3;\n")
                     .arg(table.lengthName())
                     .arg(table.text.size())
                     .arg(table.target.declare(table.indexType(), textDeclarator(table)));
    return (lines + QStringLiteral("#endif\n")).toUtf8();
}

constexpr TableText CText{start, entry, separator, end, strip};

}  // namespace

Diagnostic WriteC(const Options& options, const Source& source, Output& output, Outputs& outputs) {
    const Table table(options, source);
    WarnTooLarge(table);
    const Diagnostic written = WriteTable(table, CText, output);
    if (written.ok() && table.shared) outputs.find(options.header)->write(declarations(table));
    return written;
}
