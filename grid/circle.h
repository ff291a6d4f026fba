#pragma once

#include <QImage>
#include <QPointF>

// A circle as the grid paints its cells, in pixels of the image: the pixels whose centres lie
// within outer of the centre take the rim colour where they lie beyond outer - rimWidth, or else
// the fill where there is one. A filled circle's centre pixel reads back the fill exactly.
void RasterCircle(QImage& image, QPointF centre, double outer, double rimWidth, QRgb rim,
                  const QRgb* fill);
