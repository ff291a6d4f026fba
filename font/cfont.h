#pragma once

#include "font/codes.h"
#include "font/diagnostic.h"
#include "glyph/layout.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

struct Options;
struct Source;
struct Target;

// A font for firmware's own drawing routine: each glyph as wide as the font advances and as high
// as the font's line, packed in the layout, found by its code through a sorted table.
struct CFont {
    struct Entry {
        uint32_t code;
        QString character;
        int width;
        std::vector<uint8_t> bytes;
    };

    CFont(const Options& options, const Target& target);

    const Target& target;
    Layout layout;
    CodeSet codeSet;
    QString name;
    std::vector<Entry> entries;  // by their codes
    int height = 0;
    QByteArray text;  // the message in the codes, where one is asked for
    bool message;

    // The font's entries and message, or an input error where a character has no code.
    Diagnostic make(const Source& source);

    QString upper() const { return name.toUpper(); }  // the prefix of its macros
    int codeBytes() const { return entries.back().code > 0xFFFF ? 4 : 2; }
    QString codeType() const;
    int offsetBytes() const;
    QString offsetType() const;
    int byteCount() const;  // of all the bitmaps
    int widest() const;
};

// The font's lookup in C89: NAME_find, a binary search of the codes, and NAME_next, which reads
// one character of a string in the font's encoding and finds it.
QString LookupFunctions(const CFont& font);
// Their declarations, for a header.
QString LookupPrototypes(const CFont& font);
// The comment on top of the font's files: what made it, its layout, how to find and read a glyph.
QStringList CFontAbout(const CFont& font, const Source& source, int size);
