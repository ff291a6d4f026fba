#include "tests/support.h"

#include "app/form1.h"
#include "grid/colours.h"
#include "grid/picturebox.h"

void TestAccess::PaintAllCells(Form1& form, uint8_t fillStyle, int32_t fillColour) {
    form.PaintAllCells(fillStyle, fillColour);
}

void TestAccess::RefreshListing(Form1& form) {
    form.RefreshListing();
}

LoadedForm::LoadedForm() : form(std::make_unique<Form1>()) {
    form->Load();
}

QList<int> ListingBytes(const QString& listing) {
    QList<int> bytes;
    for (const QString& line : listing.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        for (QString value : line.split(',')) {
            value.remove(QStringLiteral("0x")).remove('H');
            bytes << value.toInt(nullptr, 16);
        }
    }
    return bytes;
}

void LightOneCell(Form1& form, int c, int r) {
    TestAccess::PaintAllCells(form, 0, UnlitColour);
    form.Picled->setFillColor(LitColour);
    form.Picled->Circle(c + 0.5f, r + 0.5f, 0.5f, RimColour);
    TestAccess::RefreshListing(form);
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
