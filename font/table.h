#pragma once

#include "font/layout.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>

enum class Format { C, Assembly, Binary, Text };

// The text of a table, piece by piece, so that a table of any size is written as it is made.
struct Table {
    Format format = Format::C;
    Layout layout;
    QString name = QStringLiteral("glyphs");  // of the C array and the assembly label
    QString directive = QStringLiteral("DB");
    QSize size{16, 16};  // of a glyph, in pixels
    QString face, file;  // of the capture font, as the header names it
    qsizetype count = 0;

    QByteArray header() const;
    // One glyph; in C, the comma after it comes from separator().
    QByteArray glyph(const QString& character, uint16_t gb2312, const Glyph& glyph) const;
    QByteArray separator(bool last) const;
    QByteArray footer() const;

    // The whole table of a message as one strip: the picture, as wide as all its characters, in
    // one array; count is the number of characters.
    QByteArray strip(const QString& message, const Glyph& strip) const;
};
