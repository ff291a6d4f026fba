#pragma once

#include "capture/capture.h"

#include <QString>

#include <vector>

// Captures every character in the capture font as the window captures the one typed into its
// box, on a canvas of the same size; the work is shared among the processor's cores.
std::vector<Glyph> CaptureAll(const std::vector<QString>& characters);

// The code points of the character that the capture font itself has no glyph for (another font
// may stand in for them when it is printed).
QList<uint> MissingFromFont(const QString& character);
