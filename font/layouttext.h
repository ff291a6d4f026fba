#pragma once

#include "glyph/layout.h"

#include <QSize>
#include <QString>
#include <QStringList>

// For the comment on top of a table: how to read the bytes of a glyph of the size, line by line.
QStringList LayoutDescription(const Layout& layout, QSize size);

// A small picture, for the same comment, of how the layout packs the top-left pixels of a glyph
// of the size (at most 16 x 8 of them): each pixel as the number of its bit, with the numbers of
// the bytes that hold them.
QStringList BitPicture(const Layout& layout, QSize size);
