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

struct U8g2Run {
    int zeros = 0, ones = 0;
    bool operator==(const U8g2Run&) const = default;
};

// A glyph's pixels from the top row down, each row from the left, as runs: unlit, then lit. The
// list is kept from glyph to glyph on each thread: a font of tens of thousands of glyphs would
// otherwise take megabytes of fresh memory.
const std::vector<U8g2Run>& runsOf(const Glyph& ink) {
    thread_local std::vector<U8g2Run> runs;
    runs.clear();
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
// The sink takes bits, put(count, value), and a number of pairs repeated, repeat(times): a long
// run's many equal pairs are weighed at once.
template <class Sink>
void putRuns(const std::vector<U8g2Run>& runs, int choice, Sink& sink) {
    const int zeroBits = U8g2ZeroBits(choice), oneBits = U8g2OneBits(choice);
    const int mostZeros = (1 << zeroBits) - 1, mostOnes = (1 << oneBits) - 1;
    bool first = true;
    U8g2Run last;
    const auto pairs = [&](U8g2Run run, int times) {
        if (!first && run == last) return sink.repeat(times);
        if (!first) sink.put(1, 0);
        sink.put(zeroBits, run.zeros);
        sink.put(oneBits, run.ones);
        sink.repeat(times - 1);
        first = false, last = run;
    };
    for (U8g2Run run : runs) {
        if (run.zeros > mostZeros) {
            const int cuts = (run.zeros - 1) / mostZeros;
            pairs({mostZeros, 0}, cuts);
            run.zeros -= cuts * mostZeros;
        }
        if (run.ones > mostOnes) {
            const int cuts = (run.ones - 1) / mostOnes;
            pairs({run.zeros, mostOnes}, 1);
            if (cuts > 1) pairs({0, mostOnes}, cuts - 1);
            run.ones -= cuts * mostOnes, run.zeros = 0;
        }
        if (run.zeros || run.ones) pairs(run, 1);
    }
    sink.put(1, 0);
}

// Counts the bits alone.
struct BitCount {
    int bits = 0;
    void put(int count, int) { bits += count; }
    void repeat(int times) { bits += times; }
};

int codeBytes(const FontGlyph& glyph) {
    return glyph.code > 255 ? 2 : 1;
}

// Bits into bytes, the first in bit 0, in a record's room: at most 255 bytes.
class BitWriter {
public:
    explicit BitWriter(uint8_t* bytes) : out_(bytes) {}
    void put(int count, int value) {
        pending_ |= uint32_t(value) << used_;
        for (used_ += count; used_ >= 8; used_ -= 8, pending_ >>= 8) *out_++ = uint8_t(pending_);
    }
    // A signed value is stored above the least the field holds.
    void putSigned(int count, int value) { put(count, value + (1 << (count - 1))); }
    // As many 1 bits, a byte's worth at a time.
    void repeat(int times) {
        for (; times > 0; times -= 8) put(std::min(times, 8), 0xFF >> (8 - std::min(times, 8)));
    }
    uint8_t* finish() {
        if (used_) *out_++ = uint8_t(pending_);
        return out_;
    }

private:
    uint8_t* out_;
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

U8g2Lengths U8g2Weigh(const FontGlyph& glyph, const U8g2Fields& fields) {
    const std::vector<U8g2Run>& runs = runsOf(glyph.ink);
    U8g2Lengths lengths;
    for (int choice = 0; choice < U8g2RunChoices; ++choice) {
        BitCount count{fields.total()};
        putRuns(runs, choice, count);
        lengths[choice] = uint16_t(codeBytes(glyph) + 1 + (count.bits + 7) / 8);
    }
    return lengths;
}

QByteArray U8g2Record(const FontGlyph& glyph, const U8g2Fields& fields, int choice, int length) {
    std::array<uint8_t, 256 + 8> record;
    uint8_t* out = record.data();
    if (codeBytes(glyph) == 2) *out++ = uint8_t(glyph.code >> 8);
    *out++ = uint8_t(glyph.code);
    *out++ = uint8_t(length);
    BitWriter bits(out);
    bits.put(fields.width, glyph.ink.width());
    bits.put(fields.height, glyph.ink.height());
    bits.putSigned(fields.left, glyph.left);
    bits.putSigned(fields.bottom, glyph.bottom);
    bits.putSigned(fields.advance, glyph.advance);
    putRuns(runsOf(glyph.ink), choice, bits);
    const uint8_t* end = bits.finish();
    return QByteArray(reinterpret_cast<const char*>(record.data()), end - record.data());
}
