#include "font/strip.h"

#include "font/characters.h"
#include "font/glyphs.h"

#include <QFontMetrics>

#include <map>

namespace {

// The capture of each distinct character, those of one width together.
std::vector<Glyph> captureEach(const Characters& characters, const QFont& font, int emTop,
                               QPoint shift, Strip& strip) {
    std::map<int, std::vector<size_t>> byWidth;
    for (size_t i = 0; i < strip.sizes.size(); ++i) {
        if (strip.sizes[i].width() > 0) byWidth[strip.sizes[i].width()].push_back(i);
    }
    const int height = strip.picture.size.height();
    std::vector<Glyph> glyphs(strip.sizes.size(), Glyph(QSize(0, height)));
    for (const auto& [width, indexes] : byWidth) {
        std::vector<QString> group;
        for (size_t i : indexes) group.push_back(characters.distinct[i]);
        std::vector<char> cut;
        std::vector<Glyph> captured =
            CaptureAll(group, TableCapture(font, QSize(width, height), emTop, shift), &cut);
        for (size_t k = 0; k < indexes.size(); ++k) {
            glyphs[indexes[k]] = std::move(captured[k]);
            strip.cut[indexes[k]] = cut[k];
        }
    }
    return glyphs;
}

}  // namespace

Strip CaptureStrip(const Characters& characters, const QFont& font, int height, int emTop,
                   QPoint shift) {
    const QFontMetrics metrics(font);
    Strip strip{Glyph(QSize(0, height)), {}, std::vector<char>(characters.distinct.size(), 0)};
    for (const QString& character : characters.distinct)
        strip.sizes.emplace_back(std::max(0, metrics.horizontalAdvance(character)), height);
    const std::vector<Glyph> glyphs = captureEach(characters, font, emTop, shift, strip);
    int width = 0;
    for (int32_t i : characters.sequence) width += strip.sizes[i].width();
    strip.picture = Glyph(QSize(width, height));
    int left = 0;
    for (int32_t i : characters.sequence) {
        const Glyph& glyph = glyphs[i];
        for (int r = 0; r < height; ++r) {
            for (int c = 0; c < glyph.size.width(); ++c)
                strip.picture.ink[size_t(width) * r + left + c] = glyph.inkAt(c, r);
        }
        left += glyph.size.width();
    }
    return strip;
}
