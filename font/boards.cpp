#include "font/boards.h"

#include "font/rows.h"

#include <QCoreApplication>

// Why each is what it is, with the sources, is in the manual.
const std::vector<Board>& Boards() {
    static const std::vector<Board> boards{
        // Pages of eight rows, the top pixel in bit 0 (the controllers' page addressing).
        {"ssd1306",
         QT_TRANSLATE_NOOP("glimmet-font", "SSD1306 OLEDs: pages, any size"),
         {Scan::Pages, false, false},
         {}},
        {"sh1106",
         QT_TRANSLATE_NOOP("glimmet-font", "SH1106 OLEDs: pages, any size"),
         {Scan::Pages, false, false},
         {}},
        // Digit register n drives row n from the top; segment DP, in bit 7, the left column.
        {"max7219",
         QT_TRANSLATE_NOOP("glimmet-font", "MAX7219 modules: 8 x 8 rows"),
         {Scan::Rows, false, false},
         {8, 8}},
        // Two 74HC595s shift a row in, the leftmost pixel first; a 0 sinks the LED and lights it.
        {"74hc595",
         QT_TRANSLATE_NOOP("glimmet-font", "74HC595 matrices: 16 x 16 rows, negative"),
         {Scan::Rows, false, true},
         {16, 16}},
        // HUB12 data is active low. A P10 panel (10 mm between LEDs) is a HUB12 one by its
        // common name.
        {"hub12",
         QT_TRANSLATE_NOOP("glimmet-font", "HUB12 (P10) panels: 16 x 16 rows, negative"),
         {Scan::Rows, false, true},
         {16, 16},
         "p10"},
        // ST7920 graphics RAM: 16-bit words across a row, bit 15 on the left, sent high byte first.
        {"st7920",
         QT_TRANSLATE_NOOP("glimmet-font", "ST7920 12864 LCDs, graphics: 16 x 16 rows"),
         {Scan::Rows, false, false},
         {16, 16}},
    };
    return boards;
}

QStringList BoardNames() {
    QStringList names = RowNames(Boards());
    for (const Board& board : Boards())
        if (board.alias) names << QLatin1String(board.alias);
    return names;
}

const Board& FindBoard(const QString& name) {
    for (const Board& board : Boards())
        if (board.alias && name == QLatin1String(board.alias)) return board;
    return FindRow(Boards(), name);
}
