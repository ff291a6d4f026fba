#include "grid/circle.h"

#include <algorithm>
#include <cmath>

void RasterCircle(QImage& image, QPointF centre, double outer, double rimWidth, QRgb rim,
                  const QRgb* fill) {
    const double inner = std::max(0.0, outer - rimWidth);
    const int top = int(std::max(0.0, std::floor(centre.y() - outer)));
    const int bottom = int(std::min(image.height() - 1.0, std::ceil(centre.y() + outer)));
    const int left = int(std::max(0.0, std::floor(centre.x() - outer)));
    const int right = int(std::min(image.width() - 1.0, std::ceil(centre.x() + outer)));
    const double outer2 = outer * outer, inner2 = inner * inner;
    uchar* const bits = image.bits();  // detaches once, not once a line
    for (int py = top; py <= bottom; ++py) {
        auto* line = reinterpret_cast<QRgb*>(bits + py * image.bytesPerLine());
        const double dy = py + 0.5 - centre.y();
        const auto d2 = [&](int px) {
            const double dx = px + 0.5 - centre.x();
            return dx * dx + dy * dy;
        };
        // Along a row the distance from the centre falls, then rises: the row crosses outside,
        // rim, inside, rim, outside. Only the ends of the spans are measured; the inside is
        // filled whole.
        int l = left, r = right;
        while (l <= r && d2(l) > outer2) ++l;
        while (r >= l && d2(r) > outer2) --r;
        while (l <= r && d2(l) > inner2) line[l++] = rim;
        while (r >= l && d2(r) > inner2) line[r--] = rim;
        if (fill && l <= r) std::fill(line + l, line + r + 1, *fill);
    }
}
