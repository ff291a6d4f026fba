// --format cfont: a font for firmware that draws text with its own routine, in C for the target's
// compiler: the glyphs as wide as the font advances, their widths, their sorted codes and a
// lookup; with --header the header that declares them.
#include "font/cfont.h"
#include "font/characters.h"
#include "font/coder.h"
#include "font/cstring.h"
#include "font/options.h"
#include "font/output.h"
#include "font/source.h"
#include "font/table.h"
#include "font/target.h"

#include <QCoreApplication>

namespace {

// ISO C90 compilers need only read a string of 509 bytes; a longer one is a list of bytes.
constexpr int LongestString = 509;

const QString Indent = QStringLiteral("    ");

QString lines(const std::vector<uint8_t>& bytes) {
    return ValueLines(Syntax::C, Indent, QStringLiteral(",\n"), bytes);
}

// Numbers, sixteen a line.
QString numberLines(const std::vector<uint32_t>& numbers) {
    QStringList lines, line;
    for (uint32_t number : numbers) {
        line << QString::number(number);
        if (line.size() == 16) lines << line.join(QStringLiteral(", ")), line.clear();
    }
    if (!line.isEmpty()) lines << line.join(QStringLiteral(", "));
    return Indent + lines.join(QStringLiteral(",\n") + Indent) + QLatin1Char('\n');
}

QString codes(const CFont& font) {
    QString text;
    for (const CFont::Entry& entry : font.entries)
        text += Indent + QStringLiteral("0x%1, /* %2 */\n")
                             .arg(QString::number(entry.code, 16).toUpper().rightJustified(4, '0'),
                                  Named(entry.character));
    return text;
}

QString widths(const CFont& font) {
    std::vector<uint32_t> widths;
    for (const CFont::Entry& entry : font.entries) widths.push_back(uint32_t(entry.width));
    return numberLines(widths);
}

// Where each glyph's bytes start, and where the last one's end.
QString offsets(const CFont& font) {
    std::vector<uint32_t> offsets{0};
    for (const CFont::Entry& entry : font.entries)
        offsets.push_back(offsets.back() + uint32_t(entry.bytes.size()));
    return numberLines(offsets);
}

QString bitmaps(const CFont& font) {
    QString text;
    for (const CFont::Entry& entry : font.entries)
        if (!entry.bytes.empty())
            text += Indent + QStringLiteral("/* %1 */\n").arg(Named(entry.character)) +
                    lines(entry.bytes);
    return text;
}

QString message(const CFont& font) {
    if (font.text.size() <= LongestString)
        return Indent + CString(font.text, Indent) + QLatin1Char('\n');
    std::vector<uint8_t> bytes(font.text.begin(), font.text.end());
    bytes.push_back(0);
    return lines(bytes);
}

// A table: its type, its name and sizes (%n the font's name, %N its macros' prefix), its values.
struct Array {
    QString type, declarator, values;
};

std::vector<Array> arrays(const CFont& font, bool withValues) {
    const QString count = QString::number(font.entries.size());
    const QString byte = QStringLiteral("unsigned char");
    std::vector<Array> arrays{
        {font.codeType(), QStringLiteral("%n_codes[%1]").arg(count),
         withValues ? codes(font) : QString()},
        {byte, QStringLiteral("%n_widths[%1]").arg(count), withValues ? widths(font) : QString()},
        {font.offsetType(), QStringLiteral("%n_offsets[%1]").arg(font.entries.size() + 1),
         withValues ? offsets(font) : QString()},
        {byte, QStringLiteral("%n_bitmaps[%1]").arg(font.byteCount()),
         withValues ? bitmaps(font) : QString()}};
    if (font.message)
        arrays.push_back({byte, QStringLiteral("%n_text[%N_TEXT_LENGTH + 1]"),
                          withValues ? message(font) : QString()});
    return arrays;
}

QString named(QString text, const CFont& font) {
    return text.replace(QLatin1String("%n"), font.name).replace(QLatin1String("%N"), font.upper());
}

// What both files start with: the comment, the guard, the target's include and the macros.
QString opening(const CFont& font, const QStringList& about, const QString& guard) {
    QString text =
        QStringLiteral("/* ") + about.join(QStringLiteral("\n * ")) +
        QStringLiteral(" */\n#ifndef %1\n#define %1\n").arg(guard) +
        QString::fromLatin1(font.target.include) +
        QStringLiteral("#define %N_HEIGHT %1\n#define %N_COUNT %2\n#define %N_NONE 0xFFFFu\n")
            .arg(font.height)
            .arg(font.entries.size());
    if (font.message) text += QStringLiteral("#define %N_TEXT_LENGTH %1\n").arg(font.text.size());
    return named(text, font);
}

// The tables are static where the file is included in one source file alone; the functions are
// not, so that a compiler does not warn of one the program leaves unused. A font with a header
// includes it, so that a header of another run does not compile with it.
QByteArray definitions(const CFont& font, const QStringList& about, const QString& header) {
    const bool shared = !header.isEmpty();
    QString text =
        opening(font, about, QStringLiteral("GLIMMET_%1_%2").arg(font.upper(), shared ? "C" : "H"));
    if (shared) text += QStringLiteral("#include \"%1\"\n").arg(header);
    for (const Array& array : arrays(font, true)) {
        const bool list = !array.values.startsWith(Indent + QLatin1Char('"'));
        text += (shared ? QString() : QStringLiteral("static ")) +
                named(font.target.declare(array.type, array.declarator), font) +
                (list ? QStringLiteral(" = {\n") + array.values + QStringLiteral("};\n")
                      : QStringLiteral(" =\n") + array.values.chopped(1) + QStringLiteral(";\n"));
    }
    return (text + QLatin1Char('\n') + LookupFunctions(font) + QStringLiteral("#endif\n")).toUtf8();
}

QByteArray declarations(const CFont& font, const QStringList& about) {
    QString text = opening(font, about, QStringLiteral("GLIMMET_%1_H").arg(font.upper()));
    for (const Array& array : arrays(font, false))
        text += QStringLiteral("extern ") +
                named(font.target.declare(array.type, array.declarator), font) +
                QStringLiteral(";\n");
    return (text + LookupPrototypes(font) + QStringLiteral("#endif\n")).toUtf8();
}

}  // namespace

Diagnostic WriteCFont(const Options& options, const Source& source, Output& output,
                      Outputs& outputs) {
    CFont font(options, FindTarget(options.target));
    const Diagnostic made = font.make(source);
    if (!made.ok()) return made;
    font.target.warnIfTooLarge(
        font.name + QStringLiteral("_bitmaps"), font.byteCount(),
        QCoreApplication::translate("glimmet-font",
                                    "write fewer characters, or the glyphs as a file for external "
                                    "flash (--format bin)"));
    const QStringList about = CFontAbout(font, source, options.size.height());
    const bool shared = !options.header.isEmpty();
    output.write(definitions(font, about, shared ? HeaderName(options) : QString()));
    if (shared) outputs.find(options.header)->write(declarations(font, about));
    return {};
}
