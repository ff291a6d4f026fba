#include "font/glyphs.h"

#include <QRawFont>
#include <QThread>

#include <thread>

namespace {

void captureRange(const std::vector<QString>& characters, const CaptureSetup& setup, QSize size,
                  bool advancing, size_t begin, size_t end, std::vector<Glyph>& glyphs,
                  std::vector<char>* cut) {
    Capturer capturer(setup);
    for (size_t i = begin; i < end; ++i) {
        bool outside = false;
        glyphs[i] = advancing ? capturer.captureAdvancing(characters[i], size.height(), &outside)
                              : capturer.capture(characters[i], size, &outside);
        if (cut) (*cut)[i] = outside;
    }
}

}  // namespace

std::vector<Glyph> CaptureAll(const std::vector<QString>& characters, const CaptureSetup& setup,
                              QSize size, bool advancing, std::vector<char>* cut) {
    std::vector<Glyph> glyphs(characters.size());
    if (cut) cut->assign(characters.size(), 0);
    const size_t threads = size_t(std::max(1, QThread::idealThreadCount()));
    // Too few characters are not worth a thread.
    const size_t workers = std::min(threads, characters.size() / 256 + 1);
    std::vector<std::thread> running;
    for (size_t w = 1; w < workers; ++w) {
        running.emplace_back(captureRange, std::cref(characters), std::cref(setup), size, advancing,
                             characters.size() * w / workers, characters.size() * (w + 1) / workers,
                             std::ref(glyphs), cut);
    }
    captureRange(characters, setup, size, advancing, 0, characters.size() / workers, glyphs, cut);
    for (std::thread& thread : running) thread.join();
    return glyphs;
}

QList<uint> MissingFromFont(const QString& character, const QRawFont& font) {
    QList<uint> missing;
    for (uint code : character.toUcs4())
        if (!font.supportsCharacter(code)) missing << code;
    return missing;
}
