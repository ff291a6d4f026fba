// Grid editing: a press flips the one cell under the pointer, blank, fill and invert act on all
// cells, and the listing follows every change.
#include "grid/colours.h"
#include "grid/runtimeerror.h"
#include "tests/support.h"

#include <QSignalSpy>

#include <limits>

namespace {

// The cell under pixel (px, py) of the 233-pixel grid: column from the left, row from the top.
QPoint cellUnder(int px, int py) {
    return {px * 16 / 233, py * 16 / 233};
}

void flip(QStringList& rows, QPoint cell) {
    QChar& c = rows[cell.y()][cell.x()];
    c = c == '#' ? '.' : '#';
}

QList<int> invertedBytes(const QList<int>& bytes) {
    QList<int> inverted;
    for (int b : bytes) inverted << 255 - b;
    return inverted;
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT

private slots:
    // Real presses report the top-left corner of the pixel pressed, in grid units, and flip
    // the cell under it; a sample of pixels, the edges among them.
    void realPressesFlipTheCellUnderThem() {
        LoadedForm form(true);
        QSignalSpy reported(form->Picled, &PictureBox::MouseDown);
        QStringList expected = StartUpRows();
        for (int py : {0, 1, 7, 14, 15, 100, 116, 117, 218, 231, 232}) {
            for (int px : {0, 1, 14, 15, 57, 116, 117, 200, 232}) {
                ClickGrid(*form.form, {px, py});
                const QList<QVariant> press = reported.takeFirst();
                QCOMPARE(press.at(2).toFloat(), float(16.0 * px / 233));
                QCOMPARE(press.at(3).toFloat(), float(16 - 16.0 * py / 233));
                flip(expected, cellUnder(px, py));
                QCOMPARE(GridRows(*form.form), expected);
            }
        }
        CheckListingFollowsGrid(*form.form);
    }

    // Every one of the 233 x 233 pixels, through the handler with the coordinates a real press
    // reports (checked above): exactly the cell under it flips and the listing follows.
    void everyPixelFlipsTheCellUnderIt() {
        LoadedForm form;
        QTest::mouseClick(form->OpX, Qt::LeftButton);
        QStringList expected = StartUpRows();
        for (int py = 0; py < 233; ++py) {
            for (int px = 0; px < 233; ++px) {
                TestAccess::Picled_MouseDown(*form.form, 1, 0, float(16.0 * px / 233),
                                             float(16 - 16.0 * py / 233));
                flip(expected, cellUnder(px, py));
                QCOMPARE(GridRows(*form.form), expected);
            }
            CheckListingFollowsGrid(*form.form);
        }
    }

    void buttonsAndModifiers_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers();
        QTest::newRow("right") << Qt::RightButton << Qt::KeyboardModifiers();
        QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers();
        QTest::newRow("Shift") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Ctrl") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Alt") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::newRow("right with Ctrl and Shift")
            << Qt::RightButton << (Qt::ControlModifier | Qt::ShiftModifier);
    }

    // Any press flips the cell like a plain one; a second press restores cell and listing.
    void buttonsAndModifiers() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        LoadedForm form(true);
        const QString listing = form->Texled(0)->Text();
        QStringList expected = StartUpRows();
        const QPoint pixel(100, 50);
        ClickGrid(*form.form, pixel, button, modifiers);
        flip(expected, cellUnder(pixel.x(), pixel.y()));
        QCOMPARE(GridRows(*form.form), expected);
        CheckListingFollowsGrid(*form.form);
        QVERIFY(form->Texled(0)->Text() != listing);
        ClickGrid(*form.form, pixel, button, modifiers);
        QCOMPARE(GridRows(*form.form), StartUpRows());
        QCOMPARE(form->Texled(0)->Text(), listing);
    }

    // Only the press acts: dragging across other cells with the button held flips nothing more.
    void dragFlipsNothing() {
        LoadedForm form(true);
        QStringList expected = StartUpRows();
        QWindow* window = form->windowHandle();
        auto at = [&](int px, int py) {
            return form->Picled->mapTo(form.form.get(), QPoint(px, py));
        };
        QTest::mousePress(window, Qt::LeftButton, {}, at(10, 10));
        for (int x = 10; x < 230; x += 9) QTest::mouseMove(window, at(x, 10 + x / 2));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(229, 124));
        flip(expected, {0, 0});
        QCOMPARE(GridRows(*form.form), expected);
    }

    // Press coordinates snap to a cell centre: minus 0.5, halves to even, plus 0.5.
    void snapping_data() {
        QTest::addColumn<float>("coordinate");
        QTest::addColumn<int>("cell");
        QTest::newRow("0.0, first pixel") << 0.0f << 0;
        QTest::newRow("0.99") << 0.99f << 0;
        QTest::newRow("1.0, border of 0 and 1") << 1.0f << 0;
        QTest::newRow("1.5") << 1.5f << 1;
        QTest::newRow("2.0, border of 1 and 2") << 2.0f << 2;
        QTest::newRow("3.0, border of 2 and 3") << 3.0f << 2;
        QTest::newRow("15.9") << 15.9f << 15;
        QTest::newRow("16.0, top pixel row") << 16.0f << 15;
    }

    void snapping() {
        QFETCH(float, coordinate);
        QFETCH(int, cell);
        for (bool onX : {true, false}) {
            LoadedForm form;
            TestAccess::PaintAllCells(*form.form, 0, UnlitColour);
            const float other = 4.5f;  // the middle of column or row 4
            TestAccess::Picled_MouseDown(*form.form, 1, 0, onX ? coordinate : other,
                                         onX ? other : coordinate);
            QStringList expected(16, QString(16, '.'));
            flip(expected, onX ? QPoint(cell, 11) : QPoint(4, 15 - cell));
            QCOMPARE(GridRows(*form.form), expected);
        }
    }

    // A press on the top pixel row flips the top-row cell under the pointer, as a real press.
    void topPixelRowFlipsTopRow() {
        LoadedForm form(true);
        for (int px : {0, 120, 232}) {
            ClickGrid(*form.form, {px, 0});
            QCOMPARE(form->LED_Byte(px * 16 / 233 + 0.5f, 15.5f),
                     StartUpRows()[0][px * 16 / 233] == '#' ? 0 : 1);
        }
    }

    void outOfRangeOverflows_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("x below the byte range") << -0.6f << 8.0f;
        QTest::newRow("y below the byte range") << 8.0f << -0.6f;
        QTest::newRow("x 256, rounds up out of range") << 256.0f << 8.0f;
        QTest::newRow("y far out") << 8.0f << 1e9f;
        QTest::newRow("x not a number") << std::numeric_limits<float>::quiet_NaN() << 8.0f;
        QTest::newRow("y infinite") << 8.0f << std::numeric_limits<float>::infinity();
    }

    void outOfRangeOverflows() {
        QFETCH(float, x);
        QFETCH(float, y);
        LoadedForm form;
        const QString listing = form->Texled(0)->Text();
        try {
            TestAccess::Picled_MouseDown(*form.form, 1, 0, x, y);
            QFAIL("no error raised");
        } catch (const RunTimeError& error) {
            QCOMPARE(error.number, 6);
            QCOMPARE(error.description, QStringLiteral("溢出"));
        }
        QCOMPARE(GridRows(*form.form), StartUpRows());
        QCOMPARE(form->Texled(0)->Text(), listing);
    }

    // A centre of any colour but exactly lit becomes lit when pressed.
    void otherCentreColoursLightUp_data() {
        QTest::addColumn<int32_t>("colour");
        QTest::newRow("rim colour") << RimColour;
        QTest::newRow("one below lit") << 254;
        QTest::newRow("black") << 0;
    }

    void otherCentreColoursLightUp() {
        QFETCH(int32_t, colour);
        LoadedForm form;
        form->Picled->setFillColor(colour);
        form->Picled->Circle(3.5f, 3.5f, 0.5f, RimColour);
        TestAccess::Picled_MouseDown(*form.form, 1, 0, 3.2f, 3.9f);
        QCOMPARE(form->Picled->Point(3.5f, 3.5f), LitColour);
    }

    void fillAndBlank_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QChar>("cell");
        QTest::newRow("fill") << "Comstuff" << 0xFF << QChar('#');
        QTest::newRow("blank") << "Commargin" << 0x00 << QChar('.');
    }

    void fillAndBlank() {
        QFETCH(QString, button);
        QFETCH(int, byte);
        QFETCH(QChar, cell);
        LoadedForm form;
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(GridRows(*form.form), QStringList(16, QString(16, cell)));
        QCOMPARE(ListingBytes(form->Texled(0)->Text()), QList<int>(32, byte));
        QVERIFY(form->Frame1->isEnabled() && form->Frame2->isEnabled());
    }

    void invertMapsEveryByte() {
        LoadedForm form;
        const QString listing = form->Texled(0)->Text();
        QTest::mouseClick(form->Cocontrary, Qt::LeftButton);
        QCOMPARE(ListingBytes(form->Texled(0)->Text()), invertedBytes(ListingBytes(listing)));
        CheckListingFollowsGrid(*form.form);
        QTest::mouseClick(form->Cocontrary, Qt::LeftButton);
        QCOMPARE(GridRows(*form.form), StartUpRows());
        QCOMPARE(form->Texled(0)->Text(), listing);
    }

    void invertAfterWholeGrid_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("same");
        QTest::newRow("invert after fill is blank") << "Comstuff"
                                                    << "Commargin";
        QTest::newRow("invert after blank is fill") << "Commargin"
                                                    << "Comstuff";
    }

    void invertAfterWholeGrid() {
        QFETCH(QString, first);
        QFETCH(QString, same);
        LoadedForm inverted, direct;
        QTest::mouseClick(inverted->findChild<QPushButton*>(first), Qt::LeftButton);
        QTest::mouseClick(inverted->Cocontrary, Qt::LeftButton);
        QTest::mouseClick(direct->findChild<QPushButton*>(same), Qt::LeftButton);
        QCOMPARE(GridRows(*inverted.form), GridRows(*direct.form));
        QCOMPARE(inverted->Texled(0)->Text(), direct->Texled(0)->Text());
    }
};

GLIMMET_TEST_MAIN(EditingTest)
#include "tst_editing.moc"
