#include "tests/support.h"

#include "app/form1.h"

void TestAccess::PaintAllCells(Form1& form, uint8_t fillStyle, int32_t fillColour) {
    form.PaintAllCells(fillStyle, fillColour);
}

QStringList GridRows(const Form1& form) {
    QStringList rows;
    for (int r = 15; r >= 0; --r) {
        QString row;
        for (int c = 0; c < 16; ++c) row += form.LED_Byte(c + 0.5f, r + 0.5f) ? '#' : '.';
        rows << row;
    }
    return rows;
}

QStringList StartUpRows() {
    return QStringLiteral(
               ".......#........ .#############.. ................ ....#######..... "
               "....#.....#..... ....#######..... .............#.. .##############. "
               ".#...........#.. #....#####..#... .....#...#...... .....#...#...... "
               "....#....#....#. ...#.....#....#. .##.......#####. ................")
        .split(' ');
}
