#include "font/strip.h"

#include "font/characters.h"
#include "font/glyphs.h"

Strip CaptureStrip(const Characters& characters, const CaptureSetup& setup, int height) {
    Strip strip;
    strip.glyphs = CaptureAll(characters.distinct, setup, QSize(0, height), true, &strip.cut);
    int width = 0;
    for (int32_t i : characters.sequence) width += strip.glyphs[i].width();
    strip.picture = Glyph(QSize(width, height));
    int left = 0;
    for (int32_t i : characters.sequence) {
        strip.edges.push_back(left);
        strip.picture.draw(strip.glyphs[i], left, 0);
        left += strip.glyphs[i].width();
    }
    strip.edges.push_back(left);
    return strip;
}
