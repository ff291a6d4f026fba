#include "font/glyphs.h"

#include "capture/fonts.h"
#include "capture/glyphprint.h"
#include "grid/surface.h"

#include <QRawFont>
#include <QThread>

#include <thread>

namespace {

// A font of its own for each thread: Qt keeps its font engines per thread, and a copy of a font
// would share them.
void captureRange(const std::vector<QString>& characters, const CaptureSetup& setup, size_t begin,
                  size_t end, std::vector<Glyph>& glyphs, std::vector<char>* cut) {
    const QFont font = PixelFont(setup.font.family(), setup.font.pixelSize());
    const QRect square(setup.placement.square, setup.placement.size);
    Surface canvas(setup.canvas);
    GlyphPrinter printer(setup.face.file, setup.face.index, font);
    for (size_t i = begin; i < end; ++i) {
        glyphs[i] = CaptureGlyph(canvas, characters[i], font, setup.placement, &printer);
        if (cut) (*cut)[i] = InkOutside(canvas, square);
    }
}

}  // namespace

// Room of a whole em on every side, so that the canvas's edges cut nothing the check should see.
CaptureSetup TableCapture(const QFont& font, QSize size, int emTop, QPoint shift) {
    const int margin = font.pixelSize();
    const QPoint square(margin, margin);
    return {font,
            FaceOf(font),
            size + 2 * QSize(margin, margin),
            {size, square + QPoint(0, -emTop) + shift, square}};
}

std::vector<Glyph> CaptureAll(const std::vector<QString>& characters, const CaptureSetup& setup,
                              std::vector<char>* cut) {
    std::vector<Glyph> glyphs(characters.size());
    if (cut) cut->assign(characters.size(), 0);
    const size_t threads = size_t(std::max(1, QThread::idealThreadCount()));
    // Too few characters are not worth a thread.
    const size_t workers = std::min(threads, characters.size() / 256 + 1);
    std::vector<std::thread> running;
    for (size_t w = 1; w < workers; ++w) {
        running.emplace_back(captureRange, std::cref(characters), std::cref(setup),
                             characters.size() * w / workers, characters.size() * (w + 1) / workers,
                             std::ref(glyphs), cut);
    }
    captureRange(characters, setup, 0, characters.size() / workers, glyphs, cut);
    for (std::thread& thread : running) thread.join();
    return glyphs;
}

QList<uint> MissingFromFont(const QString& character, const QRawFont& font) {
    QList<uint> missing;
    for (uint code : character.toUcs4())
        if (!font.supportsCharacter(code)) missing << code;
    return missing;
}
