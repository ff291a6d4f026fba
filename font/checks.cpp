#include "font/checks.h"

#include "font/coder.h"
#include "font/options.h"
#include "font/target.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool isIdentifier(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QStringList keywords =
        QStringLiteral(
            "auto break case char const continue default do double else enum extern float for "
            "goto if inline int long register restrict return short signed sizeof static struct "
            "switch typedef union unsigned void volatile while _Bool _Complex _Imaginary bit code "
            "data idata pdata xdata sbit sfr sfr16 interrupt using")
            .split(QLatin1Char(' '));
    return identifier.match(name).hasMatch() && !keywords.contains(name);
}

// Glyphs captured take exactly one of the three inputs; glyphs read take the file alone.
QString inputs(const Options& options) {
    if (options.from != QLatin1String("font"))
        return options.input.isEmpty() || !options.texts.isEmpty()
                   ? QCoreApplication::translate("glimmet-font",
                                                 "--from reads --input FILE: give it and no TEXT")
                   : QString();
    const int given =
        !options.texts.isEmpty() + !options.input.isEmpty() + !options.charset.isEmpty();
    if (given == 0)
        return QCoreApplication::translate("glimmet-font",
                                           "no input: give TEXT, --input FILE or --charset SET");
    if (given > 1)
        return QCoreApplication::translate("glimmet-font",
                                           "give only one of TEXT, --input FILE and --charset SET");
    if (!options.encoding.isEmpty() && options.input.isEmpty())
        return QCoreApplication::translate("glimmet-font",
                                           "--encoding is for a file given with --input");
    return {};
}

// "--format c, asm" and "--from bin": the formats that take the option.
QString takers(const QString& option) {
    QStringList reading, writing;
    for (const Coder& coder : Coders()) {
        if (coder.reads.contains(option)) reading << QLatin1String(coder.name);
        if (coder.writes.contains(option)) writing << QLatin1String(coder.name);
    }
    QStringList takers;
    if (!writing.isEmpty()) takers << QStringLiteral("--format ") + writing.join(", ");
    if (!reading.isEmpty()) takers << QStringLiteral("--from ") + reading.join(", ");
    return takers.join(QCoreApplication::translate("glimmet-font", " and "));
}

// An option that some formats take must be taken by the format read or the one written.
QString applies(const Options& options) {
    const Coder &reader = FindCoder(options.from), &writer = FindCoder(options.format);
    for (const QString& option : options.given) {
        if (!TakenByCoders(option) || reader.reads.contains(option) ||
            writer.writes.contains(option))
            continue;
        const bool read = takers(option).startsWith(QLatin1String("--from"));
        return QCoreApplication::translate("glimmet-font",
                                           "--%1 does not apply to %2: it is for %3")
            .arg(option,
                 read ? QStringLiteral("--from ") + options.from
                      : QStringLiteral("--format ") + options.format,
                 takers(option));
    }
    return {};
}

// Options that cannot go together, each with what it says: %1 there is the value of --target,
// %2 that of --name.
struct Conflict {
    bool (*broken)(const Options& options);
    const char* message;
};

const Conflict Conflicts[] = {
    {[](const Options& o) { return o.format == QLatin1String("c") && !FindTarget(o.target).hasC; },
     QT_TRANSLATE_NOOP("glimmet-font", "--target %1 is an assembler: give --format asm")},
    {[](const Options& o) {
         return o.format == QLatin1String("cfont") && !FindTarget(o.target).hasC;
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--target %1 is an assembler alone: --format cfont is C, for c, keil, sdcc "
                       "or avr")},
    {[](const Options& o) { return !o.index.isEmpty() && o.allSlots; },
     QT_TRANSLATE_NOOP("glimmet-font", "--index and --slots do not go together")},
    {[](const Options& o) { return o.allSlots && o.charset != QLatin1String("gb2312"); },
     QT_TRANSLATE_NOOP("glimmet-font", "--slots needs --charset gb2312")},
    {[](const Options& o) {
         return (o.strip || !o.preview.isEmpty()) && o.from != QLatin1String("font");
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--strip and --preview show text captured from a font, not --from")},
    {[](const Options& o) { return o.strip && !o.sheet.isEmpty(); },
     QT_TRANSLATE_NOOP("glimmet-font", "--sheet draws glyphs, not a strip: see it with --preview")},
    {[](const Options& o) {
         return o.strip && (!o.header.isEmpty() || !o.index.isEmpty() || o.allSlots || o.unique);
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--strip is one picture: --header, --index, --slots and --unique are for "
                       "tables of glyphs")},
    {[](const Options& o) { return !o.name.isEmpty() && !isIdentifier(o.name); },
     QT_TRANSLATE_NOOP("glimmet-font", "--name: %2 is not a C identifier")},
};

QString conflicts(const Options& options) {
    for (const Conflict& conflict : Conflicts)
        if (conflict.broken(options))
            return QCoreApplication::translate("glimmet-font", conflict.message)
                .replace(QLatin1String("%1"), options.target)
                .replace(QLatin1String("%2"), Quoted(options.name));
    return {};
}

}  // namespace

Diagnostic CheckOptions(const Options& options) {
    QString problem = inputs(options);
    if (problem.isEmpty()) problem = applies(options);
    if (problem.isEmpty()) problem = conflicts(options);
    return problem.isEmpty() ? Diagnostic() : Usage(problem);
}
