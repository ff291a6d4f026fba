#include "capture/capture.h"

#include "grid/surface.h"

void PrintText(Surface& canvas, const QString& text, const QFont& font) {
    canvas.Cls();
    canvas.setCurrentX(0);
    canvas.setCurrentY(0);
    canvas.Print(text, font);
}

Glyph SampleGlyph(const Surface& canvas) {
    Glyph glyph;
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c)
            glyph.ink[16 * r + c] = canvas.Point(0.75f + 15 * c, 15.0f * r) <= 99;
    }
    return glyph;
}

Glyph CaptureGlyph(Surface& canvas, const QString& text, const QFont& font) {
    PrintText(canvas, text, font);
    return SampleGlyph(canvas);
}
