#pragma once

#include <QFont>

// The two fonts of the window, sized in pixels so the layout does not follow the screen's dpi.
// "新宋体" where it is installed; otherwise a crisp bitmap-hinted CJK face for the small font
// and Unifont, a true 16-pixel font, for the large one.
QFont WindowFont();       // 9 points at 96 dpi: 12 pixels
QFont TwelvePointFont();  // 12 points at 96 dpi: 16 pixels, also the capture font
