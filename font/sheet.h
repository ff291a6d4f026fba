#pragma once

#include "font/diagnostic.h"
#include "glyph/glyph.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

struct Characters;
class Outputs;

// The proof sheet of a table: its glyphs in the table's order, sixteen to a row, each drawn as
// the window draws its LED grid, under a caption with its character and code points.
namespace Sheet {
constexpr int Pitch = 6;     // pixels a cell, so that every LED comes out alike
constexpr int Caption = 18;  // a line of the 16-pixel capture font, and a gap
constexpr int Margin = 8;    // around every glyph
constexpr int Columns = 16;

// Every pixel of a sheet or a preview is one of these: the grid's three colours (white, the lit
// red, the rim's grey) and the caption's ink.
constexpr std::array<QRgb, 4> Palette = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(225, 225, 225),
                                         qRgb(0, 0, 0)};

// Pixel rows as palette indexes, one byte a pixel.
using IndexRows = std::vector<std::vector<uint8_t>>;

// Draws count columns of the glyph from column first on, unlit past its edges, as LEDs whose
// top-left pixel is at the point of the rows.
void DrawLeds(const Glyph& glyph, int first, int count, IndexRows& rows, QPoint at);

// The tiles of glyphs of one size: a caption over a glyph's grid, as wide as the grid or as a
// 16-cell one, so that a narrow glyph's caption still shows whole.
struct Tiles {
    explicit Tiles(QSize glyph)
        : glyph(glyph),
          width(std::max(glyph.width(), 16) * Pitch + Margin),
          height(Caption + glyph.height() * Pitch + Margin) {}
    // Sixteen tiles wide, or as many as there are glyphs.
    int sheetWidth(size_t glyphs) const {
        return int(std::min<size_t>(glyphs, Columns)) * width + Margin;
    }

    QSize glyph;
    int width, height;
};

// Glyphs on a page of a sheet at most: a larger sheet is split into pages of this many, each an
// image that viewers open.
constexpr size_t PageGlyphs = 1024;
}  // namespace Sheet

// The files of a sheet of so many glyphs: the path itself, or for more than a page one file a
// page, "sheet-1.png", "sheet-2.png" and so on.
QStringList SheetPages(const QString& path, size_t glyphs);

// Writes the sheet as palette PNGs among the outputs, one row of glyphs at a time.
Diagnostic WriteSheet(const QString& path, const Characters& characters,
                      const std::vector<Glyph>& glyphs, Outputs& outputs);
