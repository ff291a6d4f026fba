#pragma once

#include "capture/capture.h"

#include <QList>
#include <QString>

#include <vector>

class QRawFont;

// Every character captured as the window captures the one typed into its box, in glyphs of the
// size, or as wide as the font advances past each where advancing; the work is shared among the
// processor's cores. Where cut is given, it is set for each character whose print has ink
// outside its glyph.
std::vector<Glyph> CaptureAll(const std::vector<QString>& characters, const CaptureSetup& setup,
                              QSize size, bool advancing = false, std::vector<char>* cut = nullptr);

// The code points of the character that the font itself has no glyph for (another font may stand
// in for them when it is printed).
QList<uint> MissingFromFont(const QString& character, const QRawFont& font);
