#include "font/sheet.h"

#include "capture/fonts.h"
#include "font/characters.h"
#include "font/output.h"
#include "grid/circle.h"
#include "grid/colours.h"

#include <QCoreApplication>
#include <QPainter>

#include <png.h>

#include <array>

namespace {

using namespace Sheet;

uint8_t paletteIndex(QRgb pixel) {
    const auto* found = std::find(Palette.begin(), Palette.end(), pixel | 0xFF000000);
    return uint8_t(std::min<ptrdiff_t>(found - Palette.begin(), 3));
}

// An unlit and a lit LED as the grid paints its cells at this pitch: each circle keeps inside
// its own square, so every LED of the sheet is one of these two.
std::array<IndexRows, 2> leds() {
    std::array<IndexRows, 2> leds;
    for (int lit = 0; lit < 2; ++lit) {
        QImage cell(Pitch, Pitch, QImage::Format_RGB32);
        cell.fill(Qt::white);
        const QRgb fill = Palette[lit];
        RasterCircle(cell, QPointF(Pitch, Pitch) / 2, Pitch / 2.0, 1, Palette[2], &fill);
        for (int y = 0; y < Pitch; ++y) {
            leds[lit].emplace_back();
            for (int x = 0; x < Pitch; ++x)
                leds[lit].back().push_back(paletteIndex(cell.pixel(x, y)));
        }
    }
    return leds;
}

// The captions of one row of the sheet, black on white.
void drawCaptions(const Characters& characters, const Tiles& tiles, size_t first, size_t end,
                  IndexRows& rows) {
    const int width = int(rows.front().size());
    QImage strip(width, Caption, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(TwelvePointFont());
    painter.setPen(Qt::black);
    for (size_t k = first; k < end; ++k) {
        const QRect place(Margin + int(k - first) * tiles.width, 0, tiles.width - Margin, Caption);
        painter.setClipRect(place);
        painter.drawText(place, Qt::AlignLeft | Qt::AlignTop,
                         characters.caption(characters.sequence[k]));
    }
    painter.end();
    for (int y = 0; y < Caption; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
        for (int x = 0; x < width; ++x) rows[y][x] = paletteIndex(pixels[x]);
    }
}

// The glyphs of one page: those of the table's sequence from first up to end.
struct Page {
    size_t first, end;
    size_t size() const { return end - first; }
};

// One row of a page: up to sixteen tiles from the first, each a caption over its grid.
IndexRows band(const Characters& characters, const std::vector<Glyph>& glyphs, const Tiles& tiles,
               Page page, size_t first) {
    IndexRows rows(tiles.height, std::vector<uint8_t>(tiles.sheetWidth(page.size()), 0));
    const size_t end = std::min(page.end, first + Columns);
    drawCaptions(characters, tiles, first, end, rows);
    for (size_t k = first; k < end; ++k) {
        DrawLeds(glyphs[characters.sequence[k]], 0, tiles.glyph.width(), rows,
                 QPoint(Margin + int(k - first) * tiles.width, Caption));
    }
    return rows;
}

// The output keeps the reason of a failed write for the message.
void toOutput(png_structp png, png_bytep data, png_size_t length) {
    static_cast<Output*>(png_get_io_ptr(png))
        ->write(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(length)));
}

void flushOutput(png_structp) {}

// libpng reports its errors by a long jump back into the function that called it.
bool writePng(Output& output, const Characters& characters, const std::vector<Glyph>& glyphs,
              Page page) {
    const Tiles tiles(glyphs.front().size());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &output, toOutput, flushOutput);
    const size_t rows = (page.size() + Columns - 1) / Columns;
    const int width = tiles.sheetWidth(page.size());
    // Four colours: two bits a pixel, which libpng packs from our byte a pixel.
    png_set_IHDR(png, info, width, png_uint_32(rows * tiles.height + Margin), 2,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::array<png_color, 4> colours;
    for (size_t i = 0; i < Palette.size(); ++i)
        colours[i] = {png_byte(qRed(Palette[i])), png_byte(qGreen(Palette[i])),
                      png_byte(qBlue(Palette[i]))};
    png_set_PLTE(png, info, colours.data(), int(colours.size()));
    // Large flat areas: the fastest compression packs them nearly as well as the best.
    png_set_compression_level(png, 1);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_write_info(png, info);
    png_set_packing(png);
    for (size_t row = 0; row < rows; ++row) {
        for (const std::vector<uint8_t>& line :
             band(characters, glyphs, tiles, page, page.first + row * Columns))
            png_write_row(png, line.data());
    }
    const std::vector<uint8_t> white(width, 0);
    for (int y = 0; y < Margin; ++y) png_write_row(png, white.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

QStringList SheetPages(const QString& path, size_t glyphs) {
    if (glyphs <= PageGlyphs) return {path};
    const bool png = path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const QString stem = png ? path.chopped(4) : path, suffix = png ? path.right(4) : QString();
    QStringList pages;
    for (size_t page = 1; page <= (glyphs + PageGlyphs - 1) / PageGlyphs; ++page)
        pages << QStringLiteral("%1-%2%3").arg(stem).arg(page).arg(suffix);
    return pages;
}

void Sheet::DrawLeds(const Glyph& glyph, int first, int count, IndexRows& rows, QPoint at) {
    static const std::array<IndexRows, 2> led = leds();
    for (int y = 0; y < glyph.height() * Pitch; ++y) {
        uint8_t* line = rows[at.y() + y].data() + at.x();
        for (int k = 0; k < count; ++k) {
            const bool lit = glyph.at(first + k, y / Pitch);
            const std::vector<uint8_t>& pixels = led[lit][y % Pitch];
            std::copy(pixels.begin(), pixels.end(), line + k * Pitch);
        }
    }
}

Diagnostic WriteSheet(const QString& path, const Characters& characters,
                      const std::vector<Glyph>& glyphs, Outputs& outputs) {
    const QStringList paths = SheetPages(path, characters.sequence.size());
    for (qsizetype p = 0; p < paths.size(); ++p) {
        const size_t first = size_t(p) * PageGlyphs;
        const Page page{first, std::min(characters.sequence.size(), first + PageGlyphs)};
        Diagnostic problem;
        Output* output = outputs.open(paths[p], "--sheet", problem);
        if (!output) return problem;
        if (!writePng(*output, characters, glyphs, page))
            return Failed(QCoreApplication::translate("glimmet-font", "libpng cannot draw %1")
                              .arg(Quoted(paths[p])));
        problem = output->finish();
        if (!problem.ok()) return problem;
    }
    return {};
}
