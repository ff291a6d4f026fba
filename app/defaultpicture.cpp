#include "app/defaultpicture.h"

#include "grid/ledgrid.h"

void PaintDefaultPicture(Surface& surface) {
    static constexpr std::array<const char*, GridSide> rowsTopFirst = {
        ".......#........",  //
        ".#############..",  //
        "................",  //
        "....#######.....",  //
        "....#.....#.....",  //
        "....#######.....",  //
        ".............#..",  //
        ".##############.",  //
        ".#...........#..",  //
        "#....#####..#...",  //
        ".....#...#......",  //
        ".....#...#......",  //
        "....#....#....#.",  //
        "...#.....#....#.",  //
        ".##.......#####.",  //
        "................",  //
    };
    PaintLedGrid(surface, rowsTopFirst);
}
