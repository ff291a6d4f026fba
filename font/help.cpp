#include "font/coder.h"
#include "font/optionrules.h"
#include "font/options.h"

#include <QCoreApplication>

#include <clocale>
#include <cwchar>

#include <locale.h>

namespace {

constexpr qsizetype HelpColumn = 25;   // where the help of an option starts
constexpr qsizetype ChoiceColumn = 8;  // the width of a choice's name under it

QString translated(const char* text) {
    return QCoreApplication::translate("glimmet-font", text);
}

// How many columns of a terminal the text takes: two for a hanzi, whatever the user's locale.
qsizetype columns(const QString& text) {
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    const locale_t user = unicode ? uselocale(unicode) : nullptr;
    qsizetype width = 0;
    for (char32_t c : text.toUcs4()) width += std::max(0, wcwidth(wchar_t(c)));
    if (user) uselocale(user);
    return width;
}

// The text and the blanks that take it to so many columns.
QString padded(const QString& text, qsizetype width) {
    return text + QString(std::max<qsizetype>(0, width - columns(text)), QLatin1Char(' '));
}

// The lines of a text after the first indented to the column.
QString indented(const QString& text, qsizetype column) {
    QString lines = text;
    return lines.replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(column, QLatin1Char(' ')));
}

// "  -o, --output FILE" and the help beside it, or under it where the names are long.
QString entry(const QString& label, const QString& help) {
    QString line = QStringLiteral("  ") + label;
    line = columns(line) < HelpColumn - 1 ? padded(line, HelpColumn)
                                          : line + QLatin1Char('\n') + QString(HelpColumn, ' ');
    return line + indented(help, HelpColumn) + QLatin1Char('\n');
}

QString choice(const QString& name, const QString& summary) {
    return QString(HelpColumn, QLatin1Char(' ')) + padded(name, ChoiceColumn) +
           indented(summary, HelpColumn + ChoiceColumn) + QLatin1Char('\n');
}

QString option(const OptionRule& rule) {
    QString label = QStringLiteral("--") + QLatin1String(rule.name);
    if (rule.letter) label = QStringLiteral("-%1, ").arg(QLatin1Char(rule.letter)) + label;
    if (rule.value) label += QLatin1Char(' ') + translated(rule.value);
    QString text = entry(label, translated(rule.help));
    if (rule.choices)
        for (const auto& [name, summary] : rule.choices()) text += choice(name, summary);
    return text;
}

// Each format's name, whether --from reads it and --format writes it, and what it is.
QString formats() {
    QString text;
    for (const Coder& coder : Coders()) {
        const QString role = coder.read && coder.write
                                 ? QCoreApplication::translate("glimmet-font", "both")
                             : coder.read ? QStringLiteral("--from")
                                          : QStringLiteral("--format");
        text += entry(padded(QString::fromLatin1(coder.name), ChoiceColumn) + role,
                      translated(coder.summary));
    }
    return text;
}

QString section(Section which) {
    QString text;
    for (const OptionRule& rule : OptionRules())
        if (rule.section == which) text += option(rule);
    return text;
}

}  // namespace

QString HelpText() {
    return QCoreApplication::translate(
               "glimmet-font",
               "Usage: glimmet-font [OPTION]... [TEXT]...\n"
               "Writes a font table for LED dot-matrix displays: every character of the TEXT\n"
               "arguments, of a file, or of a whole character set, captured as the Glimmet\n"
               "window captures one, at any size from 4 x 4 to 64 x 64 pixels (16 x 16 and 32\n"
               "bytes a glyph unless told otherwise).\n") +
           QCoreApplication::translate("glimmet-font", "\nInput (exactly one):\n") +
           entry(QCoreApplication::translate("glimmet-font", "TEXT..."),
                 QCoreApplication::translate("glimmet-font",
                                             "the characters of the arguments, in order (after\n"
                                             "--, a TEXT may start with -)")) +
           section(Section::Input) +
           QCoreApplication::translate("glimmet-font",
                                       "\nGlyphs read from -i FILE instead of captured:\n") +
           section(Section::FromFile) + QCoreApplication::translate("glimmet-font", "\nOutput:\n") +
           section(Section::Output) + QCoreApplication::translate("glimmet-font", "\nGlyphs:\n") +
           section(Section::Glyphs) +
           QCoreApplication::translate("glimmet-font", "\nLayout (for the formats of bytes):\n") +
           section(Section::Layout) +
           QCoreApplication::translate("glimmet-font",
                                       "\nFormats (--from reads them, --format writes them):\n") +
           formats() + QLatin1Char('\n') + section(Section::Program) +
           QCoreApplication::translate(
               "glimmet-font",
               "\nThe names of formats, sets, orders and encodings may be given in any case.\n"
               "Exit status: 0 on success, 1 when the input or the output fails, 2 for a usage\n"
               "error.\n");
}
