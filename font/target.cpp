#include "font/target.h"

QString Toolchain::declaration(const QString& type, const QString& name) const {
    switch (target) {
        case Target::Keil:  // C51 puts the memory type after the type
            return QStringLiteral("%1 code %2").arg(type, name);
        case Target::Sdcc:
            return QStringLiteral("const __code %1 %2").arg(type, name);
        case Target::Avr:
            return QStringLiteral("const %1 %2 PROGMEM").arg(type, name);
        case Target::C:
        case Target::As31:
            break;
    }
    return QStringLiteral("const %1 %2").arg(type, name);
}

QString Toolchain::include() const {
    return target == Target::Avr ? QStringLiteral("#include <avr/pgmspace.h>\n") : QString();
}

QString Toolchain::reading(const QString& name) const {
    switch (target) {
        case Target::Keil:
        case Target::Sdcc:
            return QStringLiteral("%1 is in code memory: it takes no RAM.").arg(name);
        case Target::Avr:
            return QStringLiteral(
                       "%1 stays in flash, not in RAM: read its bytes with "
                       "pgm_read_byte(&%1[glyph][byte]).")
                .arg(name);
        case Target::C:
        case Target::As31:
            break;
    }
    return {};
}

QString Toolchain::directive() const {
    switch (target) {
        case Target::Sdcc:
        case Target::As31:
            return QStringLiteral(".db");
        case Target::Avr:
            return QStringLiteral(".byte");
        case Target::C:
        case Target::Keil:
            break;
    }
    return QStringLiteral("DB");
}

// sdas8051 and avr-as read 0x7F but not 7FH; A51 and as31 read 7FH.
Syntax Toolchain::values() const {
    return target == Target::Sdcc || target == Target::Avr ? Syntax::C : Syntax::Assembly;
}

QString Toolchain::assemblyStart(const QStringList& labels) const {
    switch (target) {
        case Target::Keil: {
            // A module of its own, as C51 makes one for its constants.
            const QString segment = QStringLiteral("?CO?") + labels.front();
            return QStringLiteral("    PUBLIC  %1\n%2 SEGMENT CODE\n    RSEG    %2\n")
                .arg(labels.join(QStringLiteral(", ")), segment);
        }
        case Target::Sdcc:  // where sdcc puts its own constants; labels with :: are global
            return QStringLiteral("    .area CONST (CODE)\n");
        case Target::Avr: {
            QString start = QStringLiteral("    .section .progmem.data,\"a\",@progbits\n");
            for (const QString& name : labels)
                start += QStringLiteral("    .global %1\n").arg(name);
            return start;
        }
        case Target::C:
        case Target::As31:
            break;
    }
    return {};
}

// sdcc's C names a symbol with a leading underscore.
QString Toolchain::label(const QString& name) const {
    return target == Target::Sdcc ? QStringLiteral("_%1::\n").arg(name)
                                  : QStringLiteral("%1:\n").arg(name);
}

QString Toolchain::assemblyEnd() const {
    return target == Target::Keil ? QStringLiteral("    END\n") : QString();
}
