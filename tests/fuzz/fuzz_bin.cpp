// --from bin: the first three bytes choose the size, the layout and the character set or slot
// file, the rest is the table. Whatever it reads packs again to bytes that read back the same.
#include "font/readers.h"
#include "tests/fuzz/fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const QSize glyph(4 + data[0] % 61, 4 + data[1] % 61);
    const uint8_t how = data[2];
    const Layout layout{Scan(how % 3), bool(how & 4), bool(how & 8)};
    static const char* const charsets[] = {"", "gb2312", "ascii", "gb2312-hanzi"};
    static const char* const slotFiles[] = {"", "gb2312", "hzk24", ""};
    const BinReading reading{glyph, layout, QString::fromLatin1(charsets[how >> 4 & 3]),
                             QString::fromLatin1(slotFiles[how >> 6 & 3])};
    QString error;
    const QByteArrayView table = Bytes(data + 3, size - 3);
    const std::optional<Source> read = ReadBinGlyphs(table, reading, error);
    if (!read) return 0;
    Require(read->characters.distinct.size() == read->glyphs.size(), "a name for each glyph");
    for (const Glyph& one : read->glyphs) {
        Require(one.size() == glyph, "the size asked for");
        const std::vector<uint8_t> bytes = layout.bytes(one);
        Require(bytes.size() == size_t(layout.byteCount(glyph)), "a glyph's bytes");
        Require(layout.glyph(bytes.data(), glyph).sameInk(one), "bytes that read back the same");
    }
    return 0;
}
