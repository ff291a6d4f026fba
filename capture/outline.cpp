#include "capture/outline.h"

#include <algorithm>

namespace {

// Qt keeps rendered glyphs up to 64 pixels; larger text it fills as paths, another raster.
// Wider or taller outlines are left to FreeType's rasteriser.
constexpr FT_Pos LargestGlyph = 4 * 64;

// Where pixel centres lie, in 64ths of a pixel from a pixel's edge.
constexpr FT_Pos Centre = 32;

// The first pixel whose centre is at or after the position, and the last at or before it.
FT_Pos pixelFrom(FT_Pos position) {
    return (position + 63 - Centre) >> 6;
}
FT_Pos pixelTo(FT_Pos position) {
    return (position - Centre) >> 6;
}

}  // namespace

// Where the sides of an outline cross the lines of pixel centres, in 64ths of a pixel: the rows
// of centres for its vertical sides, the columns for its horizontal ones. Each crossing is marked
// at the first centre after it along its line: 1 where the side runs forwards (up or right), -1
// backwards.
struct OutlineScanner::Crossings {
    FT_Pos line = 0, pixel = 0;  // the first line, and the first pixel along each line
    FT_Pos lines = 0, pixels = 0;
    std::vector<signed char> marks;  // line after line

    // The lines whose centres lie from low to high, each of the pixels from the first centre
    // after first to the first after last, unmarked. False, the outline left to FreeType's
    // renderer, if there are too many.
    bool reset(FT_Pos low, FT_Pos high, FT_Pos first, FT_Pos last) {
        line = pixelFrom(low);
        lines = pixelTo(high) - line + 1;
        pixel = pixelFrom(first);
        pixels = pixelFrom(last) - pixel + 1;
        if (lines > LargestGlyph || pixels > LargestGlyph) return false;
        marks.assign(size_t(lines * pixels), 0);
        return true;
    }

    // The side at `at` from `from` to `to`. False where another side crosses one of its lines
    // with no centre between them: there FreeType's drop-out control may add ink.
    bool mark(FT_Pos at, FT_Pos from, FT_Pos to, bool forward) {
        for (FT_Pos l = pixelFrom(from); l <= pixelTo(to); ++l) {
            signed char& crossing = marks[size_t((l - line) * pixels + pixelFrom(at) - pixel)];
            if (crossing != 0) return false;
            crossing = forward ? 1 : -1;
        }
        return true;
    }
};

namespace {

using Crossings = OutlineScanner::Crossings;

// The outline's bounds, if all its points lie on it (no curve's control point) and none lies
// level with a row or a column of pixel centres.
bool plainPoints(const FT_Outline& outline, FT_BBox& box) {
    box = {0, 0, 0, 0};
    for (int i = 0; i < outline.n_points; ++i) {
        const FT_Vector& p = outline.points[i];
        if (FT_CURVE_TAG(outline.tags[i]) != FT_CURVE_TAG_ON || (p.x & 63) == Centre ||
            (p.y & 63) == Centre)
            return false;
        box = i == 0 ? FT_BBox{p.x, p.y, p.x, p.y}
                     : FT_BBox{std::min(box.xMin, p.x), std::min(box.yMin, p.y),
                               std::max(box.xMax, p.x), std::max(box.yMax, p.y)};
    }
    return true;
}

// Marks the crossings of every side, if all are horizontal or vertical.
bool markSides(const FT_Outline& outline, Crossings& rows, Crossings& columns) {
    for (int contour = 0, first = 0; contour < outline.n_contours; ++contour) {
        const int last = outline.contours[contour];
        for (int i = first; i <= last; ++i) {
            const FT_Vector& a = outline.points[i];
            const FT_Vector& b = outline.points[i == last ? first : i + 1];
            const bool marked =
                a.x == b.x   ? rows.mark(a.x, std::min(a.y, b.y), std::max(a.y, b.y), b.y > a.y)
                : a.y == b.y ? columns.mark(a.y, std::min(a.x, b.x), std::max(a.x, b.x), b.x > a.x)
                             : false;  // a slanted side
            if (!marked) return false;
        }
        first = last + 1;
    }
    return true;
}

// Sums the marks along each line into the winding number at each centre, and calls
// visit(line, first, last) for each run of centres inside. False where the number passes one
// either way: contours overlap there, and fill rules part.
template <class Visit>
bool insideRuns(const Crossings& crossings, const Visit& visit) {
    const signed char* mark = crossings.marks.data();
    for (FT_Pos line = crossings.line; line < crossings.line + crossings.lines; ++line) {
        int winding = 0;
        FT_Pos start = 0;
        for (FT_Pos pixel = crossings.pixel; pixel < crossings.pixel + crossings.pixels; ++pixel) {
            const int before = winding;
            winding += *mark++;
            if (winding < -1 || winding > 1) return false;
            if (before == 0 && winding != 0) start = pixel;
            if (before != 0 && winding == 0) visit(line, start, pixel - 1);
        }
        if (winding != 0) return false;
    }
    return true;
}

}  // namespace

// FreeType's monochrome rasteriser sets the pixels whose centres lie inside the outline, and
// more where a stroke slips between centres. For an outline of horizontal and vertical lines, as
// Unifont's are (stem darkening shifts their sides off the grid by less than half a pixel), the
// inside is plain where a centre lies between any two sides crossing a row or column of centres
// and the winding number stays within one: no stroke slips through, and every fill rule agrees.
// The rows are then filled from the winding numbers; the columns are only checked.
bool OutlineScanner::rectilinear(const FT_Outline& outline, std::vector<Span>& spans) {
    Crossings& rows = *rows_;
    Crossings& columns = *columns_;
    const auto fill = [&](FT_Pos row, FT_Pos first, FT_Pos last) {
        spans.push_back({int(-row - 1), int(first), int(last + 1)});
    };
    FT_BBox box;
    return plainPoints(outline, box) && rows.reset(box.yMin, box.yMax, box.xMin, box.xMax) &&
           columns.reset(box.xMin, box.xMax, box.yMin, box.yMax) &&
           markSides(outline, rows, columns) &&
           insideRuns(columns, [](FT_Pos, FT_Pos, FT_Pos) {}) && insideRuns(rows, fill);
}

namespace {

// The outline's bounds in whole pixels, if all its points are on it and on the grid.
bool gridPoints(const FT_Outline& outline, FT_Pos unit, FT_BBox& box) {
    box = {0, 0, 0, 0};
    for (int i = 0; i < outline.n_points; ++i) {
        const FT_Vector& p = outline.points[i];
        if (FT_CURVE_TAG(outline.tags[i]) != FT_CURVE_TAG_ON || p.x % unit || p.y % unit)
            return false;
        const FT_Pos x = p.x / unit, y = p.y / unit;
        box = i == 0 ? FT_BBox{x, y, x, y}
                     : FT_BBox{std::min(box.xMin, x), std::min(box.yMin, y), std::max(box.xMax, x),
                               std::max(box.yMax, y)};
    }
    return box.xMax - box.xMin <= LargestGlyph && box.yMax - box.yMin <= LargestGlyph;
}

}  // namespace

// Each vertical side adds its direction where it crosses a row of pixel centres; summed along a
// row, that is the winding number at each centre.
bool GridSpans(const FT_Outline& outline, FT_Pos unit, std::vector<Span>& spans) {
    FT_BBox box;
    if (!gridPoints(outline, unit, box)) return false;
    const FT_Pos columns = box.xMax - box.xMin + 1, rows = box.yMax - box.yMin;
    // Kept from glyph to glyph on each thread, to spare an allocation a glyph.
    thread_local std::vector<int> crossings;
    crossings.assign(size_t(columns * rows), 0);
    for (int contour = 0, first = 0; contour < outline.n_contours; ++contour) {
        const int last = outline.contours[contour];
        for (int i = first; i <= last; ++i) {
            const FT_Vector& a = outline.points[i];
            const FT_Vector& b = outline.points[i == last ? first : i + 1];
            if (a.x != b.x && a.y != b.y) return false;  // a slanted side
            if (a.x != b.x) continue;
            const int direction = b.y > a.y ? 1 : -1;
            for (FT_Pos y = std::min(a.y, b.y) / unit; y < std::max(a.y, b.y) / unit; ++y)
                crossings[size_t((y - box.yMin) * columns + a.x / unit - box.xMin)] += direction;
        }
        first = last + 1;
    }
    for (FT_Pos y = 0; y < rows; ++y) {
        int winding = 0;
        FT_Pos start = 0;
        for (FT_Pos x = 0; x < columns; ++x) {
            const int before = winding;
            winding += crossings[size_t(y * columns + x)];
            if (before == 0 && winding != 0) start = x;
            if (before != 0 && winding == 0)
                spans.push_back(
                    {int(-(box.yMin + y) - 1), int(box.xMin + start), int(box.xMin + x)});
        }
        if (winding != 0) return false;
    }
    return true;
}

// A byte of eight unlit pixels, or of eight lit ones inside a run, is passed over whole.
void BitmapSpans(const FT_Bitmap& bitmap, int left, int top, std::vector<Span>& spans) {
    const unsigned char* line = bitmap.buffer;
    const int width = int(bitmap.width);
    for (int row = 0; row < int(bitmap.rows); ++row, line += bitmap.pitch) {
        int start = -1;
        for (int x = 0; x < width; ++x) {
            const unsigned char byte = line[x / 8];
            if (x % 8 == 0 && x + 8 <= width && byte == (start < 0 ? 0x00 : 0xFF)) {
                x += 7;
                continue;
            }
            const bool lit = byte >> (7 - x % 8) & 1;
            if (lit && start < 0) start = x;
            if (!lit && start >= 0)
                spans.push_back({row - top, left + start, left + x}), start = -1;
        }
        if (start >= 0) spans.push_back({row - top, left + start, left + width});
    }
}

OutlineScanner::OutlineScanner()
    : rows_(std::make_unique<Crossings>()), columns_(std::make_unique<Crossings>()) {}

OutlineScanner::~OutlineScanner() = default;
