// The LED grid: its start-up picture, cells read back from the surface's pixels, whole-grid
// painting, and the surface rules the grid rests on.
#include "grid/colours.h"
#include "grid/ledgrid.h"
#include "tests/support.h"

class GridTest : public QObject {
    Q_OBJECT

private slots:
    void startUpPicture() {
        Form1 form;
        form.Load();
        QCOMPARE(GridRows(form), StartUpRows());
        QCOMPARE(GridRows(form).join(QString()).count('#'), 71);
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 16; ++c) {
                const int32_t colour = form.Picled->Point(c + 0.5f, r + 0.5f);
                QVERIFY(colour == LitColour || colour == UnlitColour);
            }
    }

    void paintAllCells_data() {
        QTest::addColumn<int32_t>("colour");
        QTest::addColumn<QChar>("cell");
        QTest::newRow("lit") << LitColour << QChar('#');
        QTest::newRow("unlit") << UnlitColour << QChar('.');
    }

    void paintAllCells() {
        QFETCH(int32_t, colour);
        QFETCH(QChar, cell);
        Form1 form;
        form.Load();
        TestAccess::PaintAllCells(form, 0, colour);
        QCOMPARE(GridRows(form), QStringList(16, QString(16, cell)));
    }

    void pointReadsPixels_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int32_t>("colour");
        QTest::addColumn<int>("cell");
        QTest::newRow("centre of a lit cell") << 7.5f << 15.5f << LitColour << 1;
        QTest::newRow("rim of the bottom-left cell") << 0.02f << 0.5f << RimColour << 0;
        QTest::newRow("corner between cells") << 1.0f << 1.0f << UnlitColour << 0;
        QTest::newRow("left of the grid") << -0.01f << 8.0f << -1 << 0;
        QTest::newRow("right edge") << 16.0f << 8.0f << -1 << 0;
        QTest::newRow("above the grid") << 8.0f << 16.1f << -1 << 0;
        QTest::newRow("bottom edge") << 8.0f << 0.0f << -1 << 0;
    }

    void pointReadsPixels() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int32_t, colour);
        QFETCH(int, cell);
        Form1 form;
        form.Load();
        QCOMPARE(form.Picled->Point(x, y), colour);
        QCOMPARE(int(form.LED_Byte(x, y)), cell);
    }

    // A filled circle's centre reads back its fill exactly, whatever the colour.
    void circleCentreReadsFill_data() {
        QTest::addColumn<int32_t>("fill");
        QTest::newRow("lit") << LitColour;
        QTest::newRow("one below lit") << 254;
        QTest::newRow("dark red") << RGB(99, 0, 0);
        QTest::newRow("blue") << RGB(0, 0, 1);
        QTest::newRow("white") << UnlitColour;
    }

    void circleCentreReadsFill() {
        QFETCH(int32_t, fill);
        Surface surface({233, 233});
        SetUpGrid(surface);
        surface.setFillStyle(0);
        surface.setFillColor(fill);
        surface.Circle(4.5f, 9.5f, 0.5f, RimColour);
        QCOMPARE(surface.Point(4.5f, 9.5f), fill);
    }

    // One cell's circle reaches no other centre, and one drawn off the top is clipped.
    void circleStaysInItsCell_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("inner cell") << 7.5f << 7.5f;
        QTest::newRow("corner cell") << 0.5f << 0.5f;
        QTest::newRow("above the top row") << 3.5f << 16.5f;
        QTest::newRow("right of the grid") << 16.5f << 3.5f;
    }

    void circleStaysInItsCell() {
        QFETCH(float, x);
        QFETCH(float, y);
        Surface surface({233, 233});
        SetUpGrid(surface);
        surface.setFillStyle(0);
        surface.setFillColor(LitColour);
        surface.Circle(x, y, 0.5f, RimColour);
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 16; ++c) {
                const bool own = c + 0.5f == x && r + 0.5f == y;
                QCOMPARE(surface.Point(c + 0.5f, r + 0.5f), own ? LitColour : UnlitColour);
            }
    }

    void hollowCircleKeepsItsInside() {
        Surface surface({233, 233});
        SetUpGrid(surface);
        surface.setFillColor(LitColour);  // fill style is still 1: transparent
        surface.Circle(8.5f, 8.5f, 0.5f, RimColour);
        QCOMPARE(surface.Point(8.5f, 8.5f), UnlitColour);
        QCOMPARE(surface.Point(8.07f, 8.5f), RimColour);
    }

    void clsBringsBackTheDesignTimePicture() {
        Form1 form;
        form.Load();
        TestAccess::PaintAllCells(form, 0, LitColour);
        form.Picled->Cls();
        QCOMPARE(GridRows(form), StartUpRows());
    }

    // Until a scale is set, a surface counts in twips, 15 to a pixel.
    void twipsByDefault() {
        Surface surface({37, 45});
        surface.setFillStyle(0);
        surface.setFillColor(0);
        surface.Circle(15 * 10 + 7.5f, 15 * 20 + 7.5f, 7.5f, 0);
        QCOMPARE(surface.Point(15 * 10 + 0.75f, 15 * 20), 0);
        QCOMPARE(surface.Point(15 * 9 + 0.75f, 15 * 20), UnlitColour);
        QCOMPARE(surface.Point(15 * 37, 0), -1);
    }
};

GLIMMET_TEST_MAIN(GridTest)
#include "tst_grid.moc"
