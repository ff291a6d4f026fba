#pragma once

#include "font/source.h"
#include "glyph/layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

// The readers of the coders that read files, on the file's bytes: glyphs read rather than
// captured from a font, each with its character or name. Every reader gives none, with what is
// wrong in error, when the file is not what it should be.

// --from text: what --format text writes, or glyphs drawn by hand in it. A heading line, U+XXXX
// with the character's code points or # and a space and a name, then the rows, # lit and .
// unlit; an empty line between glyphs. A glyph without a heading is numbered. Every glyph is as
// large as the first.
std::optional<Source> ReadTextGlyphs(QByteArrayView bytes, QString& error);

// How --from bin reads a table: its glyphs' size and layout, and the slot file or character set
// whose glyphs it holds.
struct BinReading {
    QSize size;
    Layout layout;
    QString charset, slotFile;
};

// --from bin: glyphs of the size in the layout, one after another, or in the slots of a slot
// file or character set: each slot with a character or with ink, under its character or the
// slot's name; any whole number of slots up to the file's most. Glyphs one after another are the
// character set's characters in order, where one is given, or numbered.
std::optional<Source> ReadBinGlyphs(QByteArrayView bytes, const BinReading& reading,
                                    QString& error);

// How --from image tells a lit pixel: dark below the threshold, and opaque.
struct ImageReading {
    std::optional<QSize> size;  // of a glyph; the whole image is one where none is given
    int threshold = 128;
    bool dither = false;  // Floyd-Steinberg, for photographs
};

// --from image: a PNG, BMP or GIF, one glyph a cell of the size, the cells left to right and top
// to bottom.
std::optional<Source> ReadImageGlyphs(const QByteArray& bytes, const ImageReading& reading,
                                      QString& error);

// What --format text writes of a glyph, and --from text reads back: a heading, then the rows.
QByteArray TextGlyph(const QString& character, bool named, const Glyph& glyph);
