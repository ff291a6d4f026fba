#pragma once

#include "font/layout.h"

#include <QSize>
#include <QStringList>

// A small picture, for the comment on top of a table, of how the layout packs the top-left
// pixels of a glyph of the size (at most 16 x 8 of them): each pixel as the number of its bit,
// with the numbers of the bytes that hold them.
QStringList BitPicture(const Layout& layout, QSize size);
