#pragma once

#include "font/diagnostic.h"
#include "glyph/glyph.h"

#include <QString>
#include <QStringList>

#include <vector>

class Output;

// The sign a preview shows: so many LEDs wide and lines of glyphs high, a frame shown so many
// milliseconds, its LEDs of one colour.
struct Sign {
    int width = 64, lines = 1;
    int frameMs = 50;  // twenty columns a second: a hanzi of 16 in under a second
    QString colour = QStringLiteral("red");
};

// The colours of LEDs a preview draws, by name.
QStringList LedColours();

// The preview of a strip: an animated GIF of it moving across the sign, drawn as the proof sheet
// draws LEDs. The sign is blank at first. On a sign of one line the strip enters from the right
// one column a frame and leaves to the left; on a sign of several, the strip is broken between
// characters into lines as wide as the sign, which rise from below one row a frame until the last
// has left the top. Then all of it again, forever. The strip's characters start at the columns of
// edges.
Diagnostic WritePreview(Output& output, const Glyph& strip, const std::vector<int>& edges,
                        const Sign& sign);
