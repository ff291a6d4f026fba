#pragma once

#include <QFont>
#include <QString>

#include <optional>

// The font a table's glyphs are captured from, at the em's size in pixels.
struct Typeface {
    QFont font;
    QString face;  // family and style, "Unifont Regular"
    QString file;  // where the glyphs come from, and so under which licence
    int emTop = 0;
};

// The family the command captures from at an em of so many pixels, when --font is not given.
QString DefaultFamily(int pixels);

// The installed family or the font file (TrueType, OpenType, collections, PCF, BDF, gzipped or
// not) at the size. Bitmap fonts only at a size they have a strike for. Empty, with the reason in
// error, when it cannot be used.
std::optional<Typeface> FindTypeface(const QString& font, int pixels, QString& error);
