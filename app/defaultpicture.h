#pragma once

class Surface;

// The grid's design-time picture, painted on the surface set up as the grid: the character 亮,
// 71 cells lit.
void PaintDefaultPicture(Surface& surface);
