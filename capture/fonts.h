#pragma once

#include <QFont>
#include <QString>

class GlyphPrinter;

// The two fonts of the window, sized in pixels so the layout does not follow the screen's dpi.
// "新宋体" where it is installed; otherwise a crisp bitmap-hinted CJK face for the small font
// and Unifont, a true 16-pixel font, for the large one.
QFont WindowFont();       // 9 points at 96 dpi: 12 pixels
QFont TwelvePointFont();  // 12 points at 96 dpi: 16 pixels, also the capture font

// The printer of the window's capture font, made at its first capture.
GlyphPrinter& CapturePrinter();

// A font file, and which of its faces.
struct FontFace {
    QString file;
    int index = 0;
};
// The face fontconfig matches the font to, as Qt asks it.
FontFace FaceOf(const QFont& font);

// A font at a size in pixels as captures print it: no smoothing, whole-pixel advances; of the
// style where one is named ("Bold").
QFont PixelFont(const QString& family, int pixels, const QString& style = {});
// A font of its own for a thread, as the font given: Qt keeps its font engines per thread, and a
// copy of a font would share them.
QFont PixelFont(const QFont& font);

// How far the em square of the font at its pixel size lies below the top of its printed line, in
// whole pixels. Where the line is the em, 0; where it is taller (WenQuanYi's bitmap faces), the
// em is where an ideograph stands: 中, whose stroke spans the em, centred in the square. The
// printer's face is the one the font draws from.
struct PrintFace;
int EmTop(const QFont& font, const PrintFace& print);
