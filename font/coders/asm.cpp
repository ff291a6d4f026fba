// --format asm: the glyphs as data lines for the target's assembler, under a label its C can
// link with.
#include "font/coder.h"
#include "font/options.h"
#include "font/output.h"
#include "font/table.h"
#include "font/target.h"

namespace {

QString dataLines(const Table& table, const std::vector<uint8_t>& bytes) {
    return ValueLines(table.target.values, QStringLiteral("    %1 ").arg(table.dataDirective()),
                      QStringLiteral("\n"), bytes);
}

QStringList labels(const Table& table) {
    QStringList names{table.name};
    if (!table.text.empty()) names << table.textName();
    return names;
}

// A number as so many bytes, the low one first or the high one.
std::vector<uint8_t> numberBytes(uint32_t number, int width, bool little) {
    std::vector<uint8_t> bytes;
    for (int k = 0; k < width; ++k)
        bytes.push_back(uint8_t(number >> 8 * (little ? k : width - 1 - k)));
    return bytes;
}

// Each index as one, two or four bytes in the order of the target's C.
QString textLines(const Table& table) {
    const int width = table.indexBytes();
    const bool little = table.target.littleEndian;
    std::vector<uint8_t> bytes;
    for (int32_t index : table.text) {
        const std::vector<uint8_t> each = numberBytes(uint32_t(index), width, little);
        bytes.insert(bytes.end(), each.begin(), each.end());
    }
    const QString order = width == 1 ? QString()
                          : little   ? QStringLiteral(", the low byte first")
                                     : QStringLiteral(", the high byte first");
    static const char* const sizes[] = {"", "one byte", "two bytes", "", "four bytes"};
    return QStringLiteral("; %1 indexes of %2 each%3\n")
               .arg(table.text.size())
               .arg(QLatin1String(sizes[width]), order) +
           table.target.labelLine(table.textName()) + dataLines(table, bytes);
}

// The comment, the C declarations where the target's C links with this file as it stands, and the
// start of the table's section up to its label.
QString opening(const Table& table, QSize bitmap, const QString& held, const QString& declarator) {
    QStringList lines = table.about(bitmap, held);
    if (table.target.declaresInC && table.records != Records::Index)
        lines << QStringLiteral("C declares it as: extern %1;")
                     .arg(table.target.declare(QStringLiteral("unsigned char"), declarator));
    if (table.target.declaresInC && !table.text.empty())
        lines << QStringLiteral("C declares the text as: extern %1;")
                     .arg(table.target.declare(
                         table.indexType(),
                         QStringLiteral("%1[%2]").arg(table.textName()).arg(table.text.size())));
    return QStringLiteral("; ") + lines.join(QStringLiteral("\n; ")) + QLatin1Char('\n') +
           table.target.assemblyStart(labels(table)) + table.target.labelLine(table.name);
}

QByteArray start(const Table& table) {
    const QString declarator =
        QStringLiteral("%1[%2][%3]").arg(table.name).arg(table.count).arg(table.bytesEach());
    return opening(table, table.size, table.held(), declarator).toUtf8();
}

// A record's code: GB2312's bytes as a string holds them, a code point in the target's byte order.
QString codeLine(const Table& table, uint32_t code) {
    if (table.records != Records::Index) return {};
    const bool gb2312 = table.codeSet == CodeSet::Gb2312;
    return dataLines(table,
                     numberBytes(code, table.codeBytes(), !gb2312 && table.target.littleEndian));
}

void entry(const Table& table, const Entry& entry, QByteArray& text) {
    const QString code = codeLine(table, entry.key);
    text += (QStringLiteral("; %1\n").arg(entry.label()) + code +
             dataLines(table, table.layout.bytes(entry.glyph)))
                .toUtf8();
}

QByteArray separator(bool) {
    return {};
}

QByteArray end(const Table& table) {
    return ((table.text.empty() ? QString() : textLines(table)) +
            QString::fromLatin1(table.target.end))
        .toUtf8();
}

QByteArray strip(const Table& table, const QString&, const Glyph& strip) {
    const std::vector<uint8_t> bytes = table.layout.bytes(strip);
    const QString declarator = QStringLiteral("%1[%2]").arg(table.name).arg(bytes.size());
    return (opening(table, strip.size(), table.stripHeld(strip), declarator) +
            dataLines(table, bytes) + QString::fromLatin1(table.target.end))
        .toUtf8();
}

constexpr TableText AssemblyText{start, entry, separator, end, strip};

}  // namespace

Diagnostic WriteAssembly(const Options& options, const Source& source, Output& output, Outputs&) {
    const Table table(options, source);
    WarnTooLarge(table);
    return WriteTable(table, AssemblyText, output);
}
