#pragma once

#include "listing/listingtext.h"

#include <QString>
#include <QStringList>

// What a table is compiled or assembled with: it decides where a C table is stored and how its
// assembly is written.
enum class Target { C, Keil, Sdcc, As31, Avr };

// The text a toolchain needs around a table.
struct Toolchain {
    Target target = Target::C;

    bool hasC() const { return target != Target::As31; }
    // The declaration of NAME (with its sizes) as an object of TYPE in read-only program memory:
    // "unsigned char code NAME[4][32]" for Keil C51.
    QString declaration(const QString& type, const QString& name) const;
    // Lines ahead of the C table ("#include <avr/pgmspace.h>\n") and a comment on reading it.
    QString include() const;
    QString reading(const QString& name) const;

    QString directive() const;  // the default data directive
    Syntax values() const;      // the constants its assembler takes
    bool littleEndian() const { return target == Target::Avr; }
    // The assembly ahead of the first label (a section, the labels made public), each label,
    // and the end of the file.
    QString assemblyStart(const QStringList& labels) const;
    QString label(const QString& name) const;
    QString assemblyEnd() const;
};
