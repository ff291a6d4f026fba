// The window on a screen of twice the density (CTest runs this with QT_SCALE_FACTOR=2): all of
// it drawn twice as large, while the surfaces keep their pixels, so what the program reads back
// never depends on the screen.
#include "tests/support.h"

namespace {

constexpr int Scale = 2;

// The device pixel at the centre of grid cell (c, r), r counted from the top, as grabbed.
QRgb shownAtCentre(Form1& form, const QImage& shot, int c, int r) {
    const QPoint centre(int((c + 0.5) * 233 / 16), int((r + 0.5) * 233 / 16));
    return shot.pixel(form.Picled->mapTo(&form, centre) * Scale);
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void windowScalesSurfacesDoNot() {
        LoadedForm form(true);
        QCOMPARE(form->devicePixelRatio(), qreal(Scale));
        const QPixmap shot = form->grab();
        QCOMPARE(shot.size(), form->size() * Scale);
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
};

GLIMMET_TEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
