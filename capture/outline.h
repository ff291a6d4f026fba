#pragma once

#include "capture/span.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <vector>

// Spans here count rows from the baseline's (the row just above it is -1) and columns from the
// origin's.

// The ink of an outline made only of horizontal and vertical lines, as Unifont's are, read
// straight from its sides: the pixels FreeType's monochrome rasteriser would set, without it.
class OutlineScanner {
public:
    OutlineScanner();
    ~OutlineScanner();
    // False, having found nothing, where the outline has curves or slanted sides, or where a
    // stroke slips between pixel centres or contours overlap: FreeType's rasteriser decides
    // those.
    bool rectilinear(const FT_Outline& outline, std::vector<Span>& spans);

    struct Crossings;

private:
    std::unique_ptr<Crossings> rows_, columns_;  // kept from glyph to glyph to spare allocations
};

// The ink of an outline whose points all lie on the pixel grid, unit font units a pixel, and
// whose sides are all horizontal or vertical, as a pixel font's are: each pixel whose centre the
// outline winds around, by the non-zero rule. No stroke of such an outline is thinner than a
// pixel, so FreeType's drop-out control adds nothing. False, having found nothing, for any
// other outline.
bool GridSpans(const FT_Outline& outline, FT_Pos unit, std::vector<Span>& spans);

// The runs of set bits of a monochrome bitmap whose top-left pixel is at (left, top), y upwards.
void BitmapSpans(const FT_Bitmap& bitmap, int left, int top, std::vector<Span>& spans);
