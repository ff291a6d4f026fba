#pragma once

#include "font/layout.h"

#include <QSize>
#include <QString>

#include <vector>

// A display whose memory layout is publicly documented: the layout and the glyph size its tables
// need. An OLED takes glyphs of any size; its size is empty.
struct Board {
    const char* name;
    Layout layout;
    QSize size;
};

const std::vector<Board>& Boards();
