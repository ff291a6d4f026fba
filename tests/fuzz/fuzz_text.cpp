// --from text: whatever it reads, written again as --format text, reads back the same.
#include "font/readers.h"
#include "tests/fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    const std::optional<Source> read = ReadTextGlyphs(Bytes(data, size), error);
    if (!read) {
        Require(error.startsWith(QLatin1String("line ")) || error.startsWith("not valid UTF-8"),
                "a fault named by its place");
        return 0;
    }
    const Characters& characters = read->characters;
    Require(characters.distinct.size() == read->glyphs.size(), "a glyph for each heading");
    QByteArray text;
    for (size_t i = 0; i < read->glyphs.size(); ++i) {
        Require(read->glyphs[i].size() == read->glyphs.front().size(), "one size");
        text += TextGlyph(characters.distinct[i], characters.named[i], read->glyphs[i]);
    }
    const std::optional<Source> again = ReadTextGlyphs(text, error);
    Require(again.has_value(), "its own text reads");
    Require(again->characters.distinct == characters.distinct &&
                again->characters.named == characters.named,
            "the same characters and names");
    for (size_t i = 0; i < read->glyphs.size(); ++i)
        Require(again->glyphs[i].sameInk(read->glyphs[i]), "the same glyphs");
    return 0;
}
