#include "font/glyphs.h"

#include "capture/fonts.h"
#include "grid/surface.h"

#include <QRawFont>
#include <QThread>

#include <thread>

namespace {

// A font of its own for each thread: Qt keeps its font engines per thread.
void captureRange(const std::vector<QString>& characters, size_t begin, size_t end,
                  std::vector<Glyph>& glyphs) {
    const QFont font = TwelvePointFont();
    Surface canvas(CanvasSize);
    for (size_t i = begin; i < end; ++i) glyphs[i] = CaptureGlyph(canvas, characters[i], font);
}

}  // namespace

std::vector<Glyph> CaptureAll(const std::vector<QString>& characters) {
    std::vector<Glyph> glyphs(characters.size());
    TwelvePointFont();  // resolved once, before the threads start
    const size_t threads = size_t(std::max(1, QThread::idealThreadCount()));
    // Too few characters are not worth a thread.
    const size_t workers = std::min(threads, characters.size() / 256 + 1);
    std::vector<std::thread> running;
    for (size_t w = 1; w < workers; ++w) {
        running.emplace_back(captureRange, std::cref(characters), characters.size() * w / workers,
                             characters.size() * (w + 1) / workers, std::ref(glyphs));
    }
    captureRange(characters, 0, characters.size() / workers, glyphs);
    for (std::thread& thread : running) thread.join();
    return glyphs;
}

QList<uint> MissingFromFont(const QString& character) {
    static const QRawFont raw = QRawFont::fromFont(TwelvePointFont());
    QList<uint> missing;
    for (uint code : character.toUcs4())
        if (!raw.supportsCharacter(code)) missing << code;
    return missing;
}
