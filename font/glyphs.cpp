#include "font/glyphs.h"

#include "font/parallel.h"

#include <QRawFont>

std::vector<Glyph> CaptureAll(const std::vector<QString>& characters, const CaptureSetup& setup,
                              QSize size, bool advancing, std::vector<char>* cut) {
    std::vector<Glyph> glyphs(characters.size());
    if (cut) cut->assign(characters.size(), 0);
    const auto capturer = [&] { return Capturer(setup); };
    ParallelFor(characters.size(), 256, capturer, [&](Capturer& capturer, size_t i) {
        bool outside = false;
        glyphs[i] = advancing ? capturer.captureAdvancing(characters[i], size.height(), &outside)
                              : capturer.capture(characters[i], size, &outside);
        if (cut) (*cut)[i] = outside;
    });
    return glyphs;
}

QList<uint> MissingFromFont(const QString& character, const QRawFont& font) {
    QList<uint> missing;
    for (uint code : character.toUcs4())
        if (!font.supportsCharacter(code)) missing << code;
    return missing;
}
