#include "font/target.h"

#include "font/rows.h"

#include <QCoreApplication>

// sdas8051 and avr-as read 0x7F but not 7FH; A51 and as31 read 7FH. C51 puts the memory type
// after the type, and makes a module of its own for its constants; sdcc's C names a symbol with a
// leading underscore and puts its constants in CONST, where labels with :: are global. C51's
// numbers are big-endian, sdcc's and avr-gcc's little-endian. Only avr-gcc's C reads its flash
// otherwise than its RAM.
const std::vector<Target>& Targets() {
    static const std::vector<Target> targets{
        {"c", QT_TRANSLATE_NOOP("glimmet-font", "portable C (the default), assembly with DB 0FCH"),
         true, "const %1 %2", "", "", "%2", "DB", Syntax::Assembly, false, false, "", "", false,
         "%1:\n", ""},
        {"keil", QT_TRANSLATE_NOOP("glimmet-font", "Keil C51's code memory, and A51"), true,
         "%1 code %2", "", "%1 is in code memory: it takes no RAM.", "%2", "DB", Syntax::Assembly,
         false, false, "%2?CO?%1 SEGMENT CODE\n    RSEG    ?CO?%1\n", "    PUBLIC  %1\n", true,
         "%1:\n", "    END\n"},
        {"sdcc", QT_TRANSLATE_NOOP("glimmet-font", "SDCC's __code, and sdas8051 with .db 0xFC"),
         true, "const __code %1 %2", "", "%1 is in code memory: it takes no RAM.", "%2", ".db",
         Syntax::C, true, true, "    .area CONST (CODE)\n", "", false, "_%1::\n", ""},
        {"as31", QT_TRANSLATE_NOOP("glimmet-font", "as31, assembly alone, with .db 0FCH"), false,
         "const %1 %2", "", "", "%2", ".db", Syntax::Assembly, false, false, "", "", false, "%1:\n",
         ""},
        {"avr", QT_TRANSLATE_NOOP("glimmet-font", "avr-gcc's PROGMEM, and avr-as with .byte 0xFC"),
         true, "const %1 %2 PROGMEM", "#include <avr/pgmspace.h>\n",
         "%1 stays in flash, not in RAM: read its bytes with pgm_read_byte(&%1[glyph][byte]).",
         "pgm_read_%1(&%2)", ".byte", Syntax::C, true, true,
         "    .section .progmem.data,\"a\",@progbits\n%2", "    .global %1\n", false, "%1:\n", ""},
    };
    return targets;
}

QStringList TargetNames() {
    return RowNames(Targets());
}

const Target& FindTarget(const QString& name) {
    return FindRow(Targets(), name);
}

QString Target::declare(const QString& type, const QString& declarator) const {
    return QString::fromLatin1(declaration).arg(type, declarator);
}

QString Target::assemblyStart(const QStringList& labels) const {
    const QString line = QString::fromLatin1(exportLine);
    QString exports;
    if (exportsAll)
        exports = line.isEmpty() ? line : line.arg(labels.join(QStringLiteral(", ")));
    else if (!line.isEmpty())
        for (const QString& label : labels) exports += line.arg(label);
    return QString::fromLatin1(section)
        .replace(QLatin1String("%1"), labels.front())
        .replace(QLatin1String("%2"), exports);
}

QString Target::labelLine(const QString& name) const {
    return QString::fromLatin1(label).arg(name);
}

QString Target::read(const QString& value, int bytes) const {
    static const char* const sizes[] = {"", "byte", "word", "", "dword"};
    return QString::fromLatin1(fetch)
        .replace(QLatin1String("%1"), QLatin1String(sizes[bytes]))
        .replace(QLatin1String("%2"), value);
}
