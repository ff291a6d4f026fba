#include "font/u8g2glyph.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int LeastRunBits = 2, OneChoices = 5;

int unsignedBits(int value) {
    return std::bit_width(unsigned(value));
}

int signedBits(int value) {
    return unsignedBits(value < 0 ? -value - 1 : value) + 1;
}

// A glyph's pixels from the top row down, each row from the left, as runs: unlit, then lit.
std::vector<U8g2Run> runsOf(const Glyph& ink) {
    std::vector<U8g2Run> runs;
    U8g2Run run;
    for (int r = 0; r < ink.height(); ++r) {
        const uint8_t* row = ink.row(r);
        for (int c = 0; c < ink.width(); ++c) {
            if (!row[c] && run.ones) runs.push_back(run), run = {};
            ++(row[c] ? run.ones : run.zeros);
        }
    }
    runs.push_back(run);
    return runs;
}

// The runs as u8g2's decoder reads them: a pair of zeros and ones in their widths, longer runs
// cut to fit; after each pair a 1 for the same pair again, or a 0 before the next and at the end.
template <class Put>
void putRuns(const std::vector<U8g2Run>& runs, int choice, const Put& put) {
    const int zeroBits = U8g2ZeroBits(choice), oneBits = U8g2OneBits(choice);
    const int mostZeros = (1 << zeroBits) - 1, mostOnes = (1 << oneBits) - 1;
    bool first = true;
    U8g2Run last;
    const auto pair = [&](U8g2Run run) {
        if (!first && run == last) return put(1, 1);
        if (!first) put(1, 0);
        put(zeroBits, run.zeros);
        put(oneBits, run.ones);
        first = false, last = run;
    };
    for (U8g2Run run : runs) {
        for (; run.zeros > mostZeros; run.zeros -= mostZeros) pair({mostZeros, 0});
        for (; run.ones > mostOnes; run.ones -= mostOnes, run.zeros = 0)
            pair({run.zeros, mostOnes});
        if (run.zeros || run.ones) pair(run);
    }
    put(1, 0);
}

int codeBytes(const FontGlyph& glyph) {
    return glyph.code > 255 ? 2 : 1;
}

// Bits into bytes, the first in bit 0.
class BitWriter {
public:
    explicit BitWriter(QByteArray& bytes) : bytes_(bytes) {}
    void put(int count, int value) {
        pending_ |= uint32_t(value) << used_;
        for (used_ += count; used_ >= 8; used_ -= 8, pending_ >>= 8) bytes_ += char(pending_);
    }
    // A signed value is stored above the least the field holds.
    void putSigned(int count, int value) { put(count, value + (1 << (count - 1))); }
    void finish() {
        if (used_) bytes_ += char(pending_);
    }

private:
    QByteArray& bytes_;
    uint32_t pending_ = 0;
    int used_ = 0;
};

}  // namespace

int U8g2Fields::widest() const {
    return std::max({width, height, left, bottom, advance});
}

U8g2Fields U8g2Fields::operator|(const U8g2Fields& other) const {
    return {std::max(width, other.width), std::max(height, other.height),
            std::max(left, other.left), std::max(bottom, other.bottom),
            std::max(advance, other.advance)};
}

U8g2Fields U8g2FieldsOf(const FontGlyph& glyph) {
    return {unsignedBits(glyph.ink.width()), unsignedBits(glyph.ink.height()),
            signedBits(glyph.left), signedBits(glyph.bottom), signedBits(glyph.advance)};
}

int U8g2ZeroBits(int choice) {
    return LeastRunBits + choice / OneChoices;
}

int U8g2OneBits(int choice) {
    return LeastRunBits + choice % OneChoices;
}

U8g2Encoding U8g2Encode(const FontGlyph& glyph, const U8g2Fields& fields) {
    U8g2Encoding encoding{runsOf(glyph.ink), {}};
    for (int choice = 0; choice < U8g2RunChoices; ++choice) {
        int bits = fields.total();
        putRuns(encoding.runs, choice, [&](int count, int) { bits += count; });
        encoding.bytes[choice] = codeBytes(glyph) + 1 + (bits + 7) / 8;
    }
    return encoding;
}

QByteArray U8g2Record(const FontGlyph& glyph, const U8g2Encoding& encoding,
                      const U8g2Fields& fields, int choice) {
    QByteArray bytes;
    if (codeBytes(glyph) == 2) bytes += char(glyph.code >> 8);
    bytes += char(glyph.code);
    bytes += char(encoding.bytes[choice]);
    BitWriter bits(bytes);
    bits.put(fields.width, glyph.ink.width());
    bits.put(fields.height, glyph.ink.height());
    bits.putSigned(fields.left, glyph.left);
    bits.putSigned(fields.bottom, glyph.bottom);
    bits.putSigned(fields.advance, glyph.advance);
    putRuns(encoding.runs, choice, [&](int count, int value) { bits.put(count, value); });
    bits.finish();
    return bytes;
}
