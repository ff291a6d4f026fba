#pragma once

#include "font/layout.h"
#include "font/target.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

enum class Format { C, Assembly, Binary, Text };

// What a C or assembly table holds: glyphs; records of a glyph with its two GB2312 bytes in
// front, as Chinese firmware looks characters up; or the 87 x 94 slots of GB2312, blank ones
// included.
enum class Records { Glyphs, Gb2312Index, Gb2312Slots };

// The text of a table, piece by piece, so that a table of any size is written as it is made.
struct Table {
    Format format = Format::C;
    Layout layout;
    Toolchain toolchain;
    Records records = Records::Glyphs;
    bool shared = false;  // declared by a header of its own, so the C table is not static
    QString name = QStringLiteral("glyphs");  // of the C array and the assembly label
    QString directive;                        // empty for the toolchain's own
    QSize size{16, 16};                       // of a glyph, in pixels
    QString face, file;  // of the capture font, as the header names it; no file for glyphs read
    qsizetype count = 0;
    std::vector<int32_t> text;  // the text as indexes into the table, in C and assembly

    QByteArray header() const;
    // One glyph; in C, the comma after it comes from separator(). A slot without a character
    // has an empty one; a glyph drawn by hand may have a name instead.
    QByteArray glyph(const QString& character, uint16_t gb2312, bool named,
                     const Glyph& glyph) const;
    QByteArray separator(bool last) const;
    QByteArray footer() const;
    // The C header that declares what the table defines.
    QByteArray declarations() const;

    // The whole table of a message as one strip: the picture, as wide as all its characters, in
    // one array; count is the number of characters.
    QByteArray strip(const QString& message, const Glyph& strip) const;
};
