#pragma once

#include "font/diagnostic.h"
#include "glyph/glyph.h"

class Output;

// The preview of a strip: an animated GIF of it scrolling across a sign of so many LEDs by the
// strip's height, drawn as the proof sheet draws them. The sign is blank at first; the strip
// enters from the right one column a frame and leaves to the left, and all of it again, forever:
// as many frames as the strip and the sign have columns together.
namespace Preview {
constexpr int FrameMs = 50;  // twenty columns a second: a hanzi of 16 in under a second
}

// Writes the GIF to the output; the output says where it cannot be written.
Diagnostic WritePreview(Output& output, const Glyph& strip, int signWidth);
