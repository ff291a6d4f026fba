#include "font/checks.h"

#include "font/coder.h"
#include "font/options.h"
#include "font/target.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// C's keywords, C23's and the extensions asm and typeof among them: a table's name must compile
// with any C compiler.
bool isKeyword(const QString& name) {
    static const QStringList keywords =
        QStringLiteral(
            "auto break case char const continue default do double else enum extern float for "
            "goto if inline int long register restrict return short signed sizeof static struct "
            "switch typedef union unsigned void volatile while _Alignas _Alignof _Atomic _Bool "
            "_Complex _Generic _Imaginary _Noreturn _Static_assert _Thread_local alignas alignof "
            "bool constexpr false nullptr static_assert thread_local true typeof typeof_unqual asm")
            .split(QLatin1Char(' '));
    return keywords.contains(name);
}

// What is wrong with the name of the array and label for the target, or nothing. The C standard
// keeps names that start with __, or with _ and a capital, for the compiler and its library. A
// library's font, of a format that takes no target, is compiled as C and as an Arduino sketch's
// C++ alike.
QString badName(const QString& name, const Target& target, bool library) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    static const QRegularExpression compilers(QStringLiteral("^_[_A-Z]"));
    const auto said = [&](const char* text) {
        return QCoreApplication::translate("glimmet-font", text).arg(Quoted(name));
    };
    if (!identifier.match(name).hasMatch())
        return said(QT_TRANSLATE_NOOP("glimmet-font", "--name: %1 is not a C identifier"));
    if (target.reserves(name))
        return QCoreApplication::translate("glimmet-font", "--name: %1 is reserved by %2")
            .arg(Quoted(name), QCoreApplication::translate("glimmet-font", target.toolchain));
    if (target.hasC && isKeyword(name))
        return said(QT_TRANSLATE_NOOP("glimmet-font", "--name: %1 is a keyword of C"));
    if (library && IsCxxKeyword(name))
        return said(QT_TRANSLATE_NOOP("glimmet-font", "--name: %1 is a keyword of C++"));
    if (target.hasC && compilers.match(name).hasMatch())
        return said(QT_TRANSLATE_NOOP("glimmet-font",
                                      "--name: %1 is reserved by C for its compilers: it starts "
                                      "with __ or with _ and a capital"));
    return {};
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
    const QString comma = QCoreApplication::translate("glimmet-font", ", ");
    QStringList takers;
    if (!writing.isEmpty()) takers << QStringLiteral("--format ") + writing.join(comma);
    if (!reading.isEmpty()) takers << QStringLiteral("--from ") + reading.join(comma);
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

// Options that cannot go together, each with what it says: %1 there is the value of --target.
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
    {[](const Options& o) { return !o.index.isEmpty() && !o.slotFile.isEmpty(); },
     QT_TRANSLATE_NOOP("glimmet-font", "--index and --slots do not go together")},
    {[](const Options& o) {
         return !o.slotFile.isEmpty() && o.from == QLatin1String("font") &&
                !o.charset.startsWith(QLatin1String("gb2312"));
     },
     QT_TRANSLATE_NOOP("glimmet-font", "--slots needs --charset gb2312 or gb2312-hanzi")},
    {[](const Options& o) {
         return (o.strip || !o.preview.isEmpty()) && o.from != QLatin1String("font");
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--strip and --preview show text captured from a font, not --from")},
    {[](const Options& o) {
         return o.preview.isEmpty() && (o.isGiven("sign-width") || o.isGiven("sign-lines") ||
                                        o.isGiven("frame-ms") || o.isGiven("led-colour"));
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--sign-width, --sign-lines, --frame-ms and --led-colour are for "
                       "--preview FILE.gif")},
    {[](const Options& o) { return o.strip && !o.sheet.isEmpty(); },
     QT_TRANSLATE_NOOP("glimmet-font", "--sheet draws glyphs, not a strip: see it with --preview")},
    {[](const Options& o) {
         return o.strip &&
                (!o.header.isEmpty() || !o.index.isEmpty() || !o.slotFile.isEmpty() || o.unique);
     },
     QT_TRANSLATE_NOOP("glimmet-font",
                       "--strip is one picture: --header, --index, --slots and --unique are for "
                       "tables of glyphs")},
};

QString conflicts(const Options& options) {
    for (const Conflict& conflict : Conflicts)
        if (conflict.broken(options))
            return QCoreApplication::translate("glimmet-font", conflict.message)
                .replace(QLatin1String("%1"), options.target);
    return {};
}

}  // namespace

Diagnostic CheckOptions(const Options& options) {
    QString problem = inputs(options);
    if (problem.isEmpty()) problem = applies(options);
    if (problem.isEmpty()) problem = conflicts(options);
    if (problem.isEmpty() && !options.name.isEmpty())
        problem = badName(options.name, FindTarget(options.target),
                          !FindCoder(options.format).writes.contains(QLatin1String("target")));
    return problem.isEmpty() ? Diagnostic() : Usage(problem);
}
