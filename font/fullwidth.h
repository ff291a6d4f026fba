#pragma once

#include "glyph/glyph.h"

#include <vector>

struct Characters;

// A GB2312 slot file holds full-width characters, and the frames HZK16's box drawing makes join
// from cell to cell. A character with a GB2312 code that the face draws half-width (at 16,
// Unifont's box drawing, arrows, shapes, Greek and Cyrillic) is widened to the cell: box drawing
// stands in its middle, the strokes that reach the half cell's sides running on to the cell's;
// any other symbol's ink stands centred. Gives how many were widened.
int WidenHalfWidth(const Characters& characters, std::vector<Glyph>& glyphs);
