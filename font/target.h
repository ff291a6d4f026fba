#pragma once

#include "listing/listingtext.h"

#include <QString>
#include <QStringList>

#include <vector>

// What compiles or assembles a table: where its C puts the table and how its assembly reads.
// One row a toolchain; the texts take the name of the array or label as %1, and a declaration
// takes the C type as %1 and the declarator (the name with its sizes) as %2.
struct Target {
    const char* name;
    const char* summary;  // for the help
    bool hasC;            // as31 is an assembler alone
    const char* declaration;
    const char* include;  // lines ahead of a C table
    // A comment line on reading the table, %2 the subscripts of one byte; "" for none.
    const char* reading;
    // How its C reads a value of a table: %1 is byte, word or dword, %2 the value.
    const char* fetch;
    const char* directive;
    Syntax values;           // of its assembler's constants
    bool littleEndian;       // the byte order of its C compiler's larger numbers
    bool declaresInC;        // its C links with the assembly as it stands, by the declaration given
    const char* section;     // the assembly ahead of the labels: %1 the first, %2 the exports
    const char* exportLine;  // the line that makes the labels public; %1 one of them, or all
    bool exportsAll;         // one line for all labels, joined by ", "
    const char* label;
    const char* end;  // the assembly's last line
    // The names it reserves for itself (beside C's keywords where it compiles C), and whether its
    // assembler reads them in any case; who reserves them, in messages.
    const char* reserved;
    bool reservedAnyCase;
    const char* toolchain;
    // The largest table it builds, in bytes (0 for no bound), and what bounds it, for messages.
    qint64 limit;
    const char* bound;

    QString declare(const QString& type, const QString& declarator) const;
    // Everything ahead of the first label, which makes the labels public.
    QString assemblyStart(const QStringList& labels) const;
    QString labelLine(const QString& name) const;
    // Warns where the array of that many bytes is past the largest it builds, with the remedy.
    void warnIfTooLarge(const QString& array, qint64 bytes, const QString& remedy) const;
    // Whether it reserves the name.
    bool reserves(const QString& name) const;
    // The C that reads the value, of one, two or four bytes.
    QString read(const QString& value, int bytes) const;
    // Whether its C reads its tables otherwise than its RAM.
    bool readsFlash() const { return QLatin1String(fetch) != QLatin1String("%2"); }
};

const std::vector<Target>& Targets();
QStringList TargetNames();
// The target of a name TargetNames() gives.
const Target& FindTarget(const QString& name);
// Whether the name is a keyword of C++.
bool IsCxxKeyword(const QString& name);
