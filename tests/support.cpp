#include "tests/support.h"

#include "app/form1.h"
#include "app/picturebox.h"
#include "grid/colours.h"

#include <QMenu>
#include <QTimer>

void TestAccess::PaintAllCells(Form1& form, uint8_t fillStyle, int32_t fillColour) {
    form.PaintAllCells(fillStyle, fillColour);
}

void TestAccess::RefreshListing(Form1& form) {
    form.RefreshListing();
}

void TestAccess::Picled_MouseDown(Form1& form, int button, int shift, float x, float y) {
    form.Picled_MouseDown(button, shift, x, y);
}

void TestAccess::SampleCharacter(Form1& form) {
    form.SampleCharacter();
}

QList<int> PackRows(const QStringList& rows, bool across) {
    QList<int> bytes;
    for (int line = 0; line < 16; ++line) {
        for (int half = 0; half < 2; ++half) {
            int byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int along = half * 8 + bit;
                const QChar cell = across ? rows[line][along] : rows[along][line];
                byte = byte << 1 | (cell == '#');
            }
            bytes << byte;
        }
    }
    return bytes;
}

LoadedForm::LoadedForm(bool shown) : form(std::make_unique<Form1>()) {
    form->Load();
    if (!shown) return;
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the window was not exposed");
}

void ClickGrid(Form1& form, QPoint pixel, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(form.windowHandle(), button, modifiers, form.Picled->mapTo(&form, pixel));
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

void CheckListingFollowsGrid(const Form1& form) {
    const QString listing = form.Texled(0)->Text();
    QCOMPARE(ListingBytes(listing), PackRows(GridRows(form), form.OpX->isChecked()));
    QCOMPARE(listing.startsWith(QLatin1String("0x")), form.OptC->isChecked());
}

void pickFromMenu(Form1& form, QWidget* widget, const char* keys) {
    QTimer::singleShot(0, [keys] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QAction* entry = nullptr;
        for (QAction* action : menu ? menu->actions() : QList<QAction*>())
            if (action->text().endsWith('\t' + QLatin1String(keys))) entry = action;
        if (!entry) qFatal("no menu with %s", keys);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    });
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, widget->mapTo(&form, QPoint(8, 8)));
}

void TypeText(QWidget* widget, const QString& text) {
    for (char32_t codePoint : text.toUcs4()) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
    }
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
