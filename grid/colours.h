#pragma once

#include <QRgb>

#include <cstdint>

// A colour value is R + 256 G + 65536 B, compared as a signed number; -1 means "no pixel here".
constexpr int32_t RGB(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

constexpr int32_t LitColour = RGB(255, 0, 0);
constexpr int32_t UnlitColour = RGB(255, 255, 255);
constexpr int32_t RimColour = RGB(225, 225, 225);

// The colour value of an image's pixel.
constexpr int32_t ColourOf(QRgb rgb) {
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}
