#pragma once

#include "capture/capture.h"
#include "font/diagnostic.h"

#include <QFont>
#include <QPoint>
#include <QString>

// The font a table's glyphs are captured from, at the em's size in pixels.
struct Typeface {
    QFont font;       // as Qt draws the face
    PrintFace print;  // the file and the face in it that draw, for every thread's printer
    QString name;     // family and style, "Unifont Regular"
    int emTop = 0;

    // Captures with the em's top at a glyph's top, the print moved by shift pixels.
    CaptureSetup setup(QPoint shift = {}) const;
};

// The family the command captures from at an em of so many pixels, when --font is not given.
QString DefaultFamily(int pixels);

// The installed family or the font file (TrueType, OpenType, collections, PCF, BDF, gzipped or
// not) at the size. Bitmap fonts only at a size they have a strike for. A failure names what is
// wrong, and the installed families the user most likely meant.
Diagnostic FindTypeface(const QString& font, int pixels, Typeface& typeface);
