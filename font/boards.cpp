#include "font/boards.h"

// Why each is what it is, with the sources, is in the manual.
const std::vector<Board>& Boards() {
    static const std::vector<Board> boards{
        // Pages of eight rows, the top pixel in bit 0 (the controllers' page addressing).
        {"ssd1306", {Scan::Pages, false, false}, {}},
        {"sh1106", {Scan::Pages, false, false}, {}},
        // Digit register n drives row n from the top; segment DP, in bit 7, the left column.
        {"max7219", {Scan::Rows, false, false}, {8, 8}},
        // Two 74HC595s shift a row in, the leftmost pixel first; a 0 sinks the LED and lights it.
        {"74hc595", {Scan::Rows, false, true}, {16, 16}},
        // HUB12 (P10) data is active low.
        {"hub12", {Scan::Rows, false, true}, {16, 16}},
        // ST7920 graphics RAM: 16-bit words across a row, bit 15 on the left, sent high byte first.
        {"st7920", {Scan::Rows, false, false}, {16, 16}},
    };
    return boards;
}
