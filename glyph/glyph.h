#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

// A glyph: W x H pixels, each lit or not, addressed by whole (column, row) from the top-left
// corner; and where it stands on a line of text, for the fonts that place glyphs by their ink.
// The window's glyphs are 16 x 16; a message's strip is one glyph too, as wide as its characters.
class Glyph {
public:
    // The sides of a table's glyph.
    static constexpr int MinSide = 4;
    static constexpr int MaxSide = 64;

    Glyph() = default;
    // Unlit, standing on its bottom edge and advancing the pen by its width.
    explicit Glyph(QSize size);

    QSize size() const { return size_; }
    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    bool isEmpty() const { return size_.isEmpty(); }

    // Whether pixel (c, r) is lit; past the edges nothing is. Inline: packing reads every pixel.
    bool at(int c, int r) const {
        return c >= 0 && r >= 0 && c < width() && r < height() && pixels_[index(c, r)];
    }
    // Inside the edges only.
    void set(int c, int r, bool lit = true) { pixels_[index(c, r)] = lit; }
    // Row r's pixels from the left, 1 lit and 0 unlit.
    const uint8_t* row(int r) const { return pixels_.data() + index(0, r); }
    // Lights row r from column `from` up to `to` (not included), clipped to the glyph.
    void fill(int r, int from, int to);
    // Copies the other glyph's pixels with its top-left corner at (left, top), clipped.
    void draw(const Glyph& other, int left, int top);

    // The smallest rectangle that holds every lit pixel; empty for a blank glyph.
    QRect inkBox() const;
    // The same pixels, whatever the metrics.
    bool sameInk(const Glyph& other) const {
        return size_ == other.size_ && pixels_ == other.pixels_;
    }
    bool operator==(const Glyph& other) const = default;

    // Where the pen stands: x is the column it starts at, and y the row whose top edge is the
    // baseline, so rows above y stand above the line. Both may lie past the edges.
    QPoint origin;
    // How many pixels the pen moves on after the glyph.
    int advance = 0;

private:
    size_t index(int c, int r) const { return size_t(r) * size_t(width()) + size_t(c); }

    QSize size_;
    std::vector<uint8_t> pixels_;  // rows from the top, each from the left
};
