// The window on a denser screen (CTest runs this with QT_SCALE_FACTOR=2 and 1.5): all of it
// drawn larger and at the screen's resolution, while the surfaces keep their pixels, so what the
// program reads back never depends on the screen.
#include "capture/capture.h"
#include "tests/support.h"

#include <QPainter>

#include <cmath>

namespace {

qreal scale() {
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

// The device pixel at the centre of grid cell (c, r), r counted from the top, as grabbed.
QRgb shownAtCentre(Form1& form, const QImage& shot, int c, int r) {
    const QPoint centre(int((c + 0.5) * 233 / 16), int((r + 0.5) * 233 / 16));
    return shot.pixel((QPointF(form.Picled->mapTo(&form, centre)) * scale()).toPoint());
}

// Every grabbed pixel of the grid whose centre lies on a cell's rim, one of the surface's pixels
// wide, has the rim colour, and no other pixel has it.
void checkRimsRound(const QImage& shot) {
    const double cell = 233.0 / 16 * scale(), outer = cell / 2, inner = outer - scale();
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const QPointF centre((std::floor(p.x() / cell) + 0.5) * cell,
                                 (std::floor(p.y() / cell) + 0.5) * cell);
            const double d = std::hypot(p.x() - centre.x(), p.y() - centre.y());
            const bool rim = shot.pixel(x, y) == qRgb(225, 225, 225);
            if (rim) QVERIFY2(d > inner - 1e-3 && d < outer + 1e-3, qPrintable(QString::number(d)));
            if (d > inner + 1e-3 && d < outer - 1e-3 && p.x() < 233 * scale())
                QVERIFY2(rim, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    }
}

// At twice the density, a picture enlarged from the surface's shows every pixel as a block of
// four.
bool inTwoByTwoBlocks(const QImage& shot) {
    for (int y = 0; y + 1 < shot.height(); y += 2) {
        for (int x = 0; x + 1 < shot.width(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            if (shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p ||
                shot.pixel(x + 1, y + 1) != p)
                return false;
        }
    }
    return true;
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void windowScalesSurfacesDoNot() {
        LoadedForm form(true);
        QCOMPARE(form->devicePixelRatio(), scale());
        const QPixmap shot = form->grab();
        QCOMPARE(shot.size(), (QSizeF(form->size()) * scale()).toSize());
        QCOMPARE(form->Picled->image().size(), QSize(233, 233));
        QCOMPARE(form->PicText->image().size(), QSize(37, 45));
    }

    // The screen shows every cell as the program reads it back, after a press through the
    // window has flipped one.
    void screenShowsTheGrid() {
        LoadedForm form(true);
        ClickGrid(*form.form, {120, 40});  // on cell (8, 2)
        QStringList rows = StartUpRows();
        rows[2][8] = rows[2][8] == '#' ? '.' : '#';
        QCOMPARE(GridRows(*form.form), rows);
        const QImage shot = form->grab().toImage();
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c) {
                const QRgb expected = rows[r][c] == '#' ? qRgb(255, 0, 0) : qRgb(255, 255, 255);
                QCOMPARE(shownAtCentre(*form.form, shot, c, r), expected);
            }
        }
    }

    // The LEDs are drawn at the screen's pixels, however they were painted, and after a move
    // from a screen of the usual density once the grid is painted again.
    void ledsAreRound_data() {
        QTest::addColumn<QString>("step");
        QTest::newRow("start-up") << QString();
        QTest::newRow("press") << QStringLiteral("press");
        QTest::newRow("invert") << QStringLiteral("Cocontrary");
        QTest::newRow("moved, then blank") << QStringLiteral("Commargin");
    }

    void ledsAreRound() {
        QFETCH(QString, step);
        LoadedForm form(true);
        if (step == QLatin1String("Commargin")) {
            form->Picled->setShownRatio(1);
            form->Picled->grab();  // the first paint on this screen
        }
        if (step == QLatin1String("press")) ClickGrid(*form.form, {120, 40});
        if (auto* button = form->findChild<QPushButton*>(step)) button->click();
        const QImage shot = form->Picled->grab().toImage();
        checkRimsRound(shot);
        if (scale() == 2) QVERIFY(!inTwoByTwoBlocks(shot));
    }

    // The print shows as Qt draws the font at the screen's resolution, while the capture, the
    // canvas and the listing are exactly those of a surface of the usual density.
    void captureAsAtTheUsualDensity_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("亮") << QStringLiteral("亮");
        QTest::newRow("g") << QStringLiteral("g");
        QTest::newRow("龍") << QStringLiteral("龍");
    }

    void captureAsAtTheUsualDensity() {
        QFETCH(QString, text);
        LoadedForm form(true);
        form->Texcd->setText(text);
        QTest::mouseClick(form->Comchange, Qt::LeftButton);

        QImage canvas(form->PicText->image().size(), QImage::Format_RGB32);
        canvas.fill(Qt::white);
        PrintText(canvas, {}, text, form->PicText->font());
        const Glyph glyph = SampleGlyph(canvas, QRect(0, 0, 16, 16));
        QCOMPARE(form->PicText->image(), canvas);
        const QStringList rows = GridRows(*form.form);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(rows[i / 16][i % 16] == '#', glyph.at(i % 16, i / 16));
        CheckListingFollowsGrid(*form.form);

        QImage print((QSizeF(canvas.size()) * scale()).toSize(), QImage::Format_RGB32);
        print.setDevicePixelRatio(scale());
        print.fill(Qt::white);
        QPainter painter(&print);
        painter.setFont(form->PicText->font());
        painter.drawText(QPointF(0, QFontMetricsF(painter.font()).ascent()), text);
        painter.end();
        const QImage shot = form->PicText->grab(form->PicText->contentsRect()).toImage();
        QCOMPARE(shot.convertToFormat(QImage::Format_RGB32), print);
    }
};

GLIMMET_TEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
