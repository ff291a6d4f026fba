#pragma once

#include "capture/capture.h"

#include <QString>

#include <algorithm>
#include <vector>

struct Characters;

// The proof sheet of a table: its glyphs in the table's order, sixteen to a row, each drawn as
// the window draws its LED grid, under a caption with its character and code points.
namespace Sheet {
constexpr int Pitch = 6;          // pixels a cell, so that every LED comes out alike
constexpr int Grid = 16 * Pitch;  // a glyph's grid
constexpr int Caption = 18;       // a line of the 16-pixel capture font, and a gap
constexpr int Margin = 8;         // around every glyph
constexpr int TileWidth = Grid + Margin;
constexpr int TileHeight = Caption + Grid + Margin;
constexpr int Columns = 16;
// Sixteen tiles wide, or as many as there are glyphs.
constexpr int Width(size_t glyphs) {
    return int(std::min<size_t>(glyphs, Columns)) * TileWidth + Margin;
}
}  // namespace Sheet

// Writes the sheet as a palette PNG, one row of glyphs at a time. False, with the reason in
// error, when the file cannot be written; no partial file is left.
bool WriteSheet(const QString& path, const Characters& characters, const std::vector<Glyph>& glyphs,
                QString& error);
