#pragma once

#include "font/fontglyphs.h"

#include <vector>

// A character map: glyphs first to first + count - 1, their code points consecutive (LVGL's
// FORMAT0_TINY) or listed (SPARSE_TINY).
struct CharacterMap {
    size_t first, count;
    bool listed;
};

// The maps of an LVGL font's glyphs, in the order of their codes: those of the fewest bytes, and
// of those the fewest maps, as many as LVGL counts at most.
std::vector<CharacterMap> CharacterMaps(const std::vector<FontGlyph>& glyphs);
