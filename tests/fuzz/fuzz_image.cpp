// --from image: the first bytes choose the threshold, dithering and the glyph's size, the rest
// is the image.
#include "font/readers.h"
#include "tests/fuzz/fuzzing.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    ImageReading reading;
    reading.threshold = data[0];
    reading.dither = data[1] & 1;
    if (data[1] & 2) reading.size = QSize(4 + data[2] % 61, 4 + data[3] % 61);
    QString error;
    const std::optional<Source> read = ReadImageGlyphs(
        QByteArray(reinterpret_cast<const char*>(data) + 4, qsizetype(size) - 4), reading, error);
    if (!read) {
        Require(!error.isEmpty(), "a reason");
        return 0;
    }
    Require(!read->glyphs.empty(), "a glyph at least");
    for (const Glyph& glyph : read->glyphs)
        Require(glyph.size() == read->glyphs.front().size() &&
                    (!reading.size || glyph.size() == *reading.size),
                "one size, the one asked for");
    return 0;
}
