#pragma once

#include "glyph/layout.h"

#include <QSize>
#include <QStringList>

#include <vector>

// A display whose memory layout is publicly documented: the layout and the glyph size its tables
// need. An OLED takes glyphs of any size; its size is empty.
struct Board {
    const char* name;
    const char* summary;  // for the help
    Layout layout;
    QSize size;
    const char* alias = nullptr;  // the name its users also know it by
};

const std::vector<Board>& Boards();
// The boards' names, then their other names.
QStringList BoardNames();
// The board of a name BoardNames() gives.
const Board& FindBoard(const QString& name);
