#pragma once

#include <QString>
#include <QStringList>

// The graphics libraries' own code drawing with a font that glimmet-font wrote, as firmware
// would: each library's render program (from the pinned copies beside the project) compiled
// with the font and linked with the library built once into the build folder.
enum class Library { U8g2, Lvgl, Gfx };

// What a library drew: the picture as rows of '#' (lit) and '.', or why it could not.
struct Drawing {
    QStringList rows;
    QString error;  // the compiler's or the program's words; empty when it drew
};

// Compiles the render program of the library with the font's source file and runs it on the
// text, in the folder given. The font is a C file for u8g2 and LVGL, a header for GFX; name is
// its symbol. u8g2 and GFX draw from a baseline at row `baseline` of a width x height canvas;
// LVGL's label stands at the top-left of its 512 x 64 screen. GFX's text is its 8-bit codes, each
// a character from U+0000 to U+00FF (QString::fromLatin1 of the bytes).
Drawing Draw(Library library, const QString& font, const QString& name, const QString& text,
             const QString& folder, int width = 512, int height = 64, int baseline = 48);

// The lit pixels moved to their ink's top-left corner: the rows and columns of the ink's box
// alone, so that two pictures of the same text compare whatever their margins.
QStringList Shape(const QStringList& rows);

// u8g2's own converter: the u8g2 font that bdfconv makes of a BDF file, as NAME.c in the folder.
QString Bdfconv(const QString& bdf, const QString& name, const QString& folder, QString& error);
