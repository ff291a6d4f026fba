#include "glyph/glyph.h"

#include <algorithm>

Glyph::Glyph(QSize size)
    : origin(0, size.height()),
      advance(size.width()),
      size_(size),
      pixels_(size_t(std::max(0, size.width())) * size_t(std::max(0, size.height()))) {}

void Glyph::fill(int r, int from, int to) {
    if (r < 0 || r >= height()) return;
    from = std::max(from, 0);
    to = std::min(to, width());
    if (from < to) std::fill(pixels_.begin() + index(from, r), pixels_.begin() + index(to, r), 1);
}

void Glyph::draw(const Glyph& other, int left, int top) {
    for (int r = std::max(0, -top); r < other.height() && top + r < height(); ++r)
        for (int c = std::max(0, -left); c < other.width() && left + c < width(); ++c)
            set(left + c, top + r, other.at(c, r));
}

QRect Glyph::inkBox() const {
    int left = width(), top = height(), right = -1, bottom = -1;
    for (int r = 0; r < height(); ++r) {
        const auto row = pixels_.begin() + index(0, r);
        const auto first = std::find(row, row + width(), 1);
        if (first == row + width()) continue;
        const auto last = std::find(std::make_reverse_iterator(row + width()),
                                    std::make_reverse_iterator(row), 1);
        left = std::min(left, int(first - row));
        right = std::max(right, int(last.base() - row) - 1);
        top = std::min(top, r);
        bottom = r;
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
