#pragma once

#include "capture/capture.h"

#include <vector>

struct Characters;

// A message as one picture for a scrolling sign: its characters side by side, each as wide as the
// font advances it and captured at that width and the glyph's height. A character the font
// draws without width (a zero-width space, a joiner) takes no column.
struct Strip {
    Glyph picture;
    std::vector<int> edges;     // the column each character starts at, then the picture's width
    std::vector<Glyph> glyphs;  // the capture of each distinct character
    std::vector<char> cut;      // whether its print has ink outside its glyph
};

Strip CaptureStrip(const Characters& characters, const CaptureSetup& setup, int height);
