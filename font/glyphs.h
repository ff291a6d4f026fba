#pragma once

#include "capture/capture.h"
#include "capture/fonts.h"

#include <QFont>
#include <QList>
#include <QString>

#include <vector>

class QRawFont;

// How the command captures: the font, a canvas with room around the glyph's square, and where
// the print and the square lie on it.
struct CaptureSetup {
    QFont font;
    FontFace face;  // where the font's glyphs come from
    QSize canvas;
    Placement placement;
};

// Glyphs of the size from the font, its em's top (emTop pixels below the line's top) at the
// square's top, the print moved by shift pixels.
CaptureSetup TableCapture(const QFont& font, QSize size, int emTop, QPoint shift = {});

// Every character captured as the window captures the one typed into its box; the work is shared
// among the processor's cores. Where cut is given, it is set for each character whose print has
// ink outside the glyph's square.
std::vector<Glyph> CaptureAll(const std::vector<QString>& characters, const CaptureSetup& setup,
                              std::vector<char>* cut = nullptr);

// The code points of the character that the font itself has no glyph for (another font may stand
// in for them when it is printed).
QList<uint> MissingFromFont(const QString& character, const QRawFont& font);
