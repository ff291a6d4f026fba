// glimmet-font's preview, read back from the GIF: each frame's delay, the lit LEDs' colour, the
// sign's height in lines of glyphs, and the LEDs of every frame; and the bounds of its options.
#include "font/sheet.h"
#include "tests/fontrun.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

class FontPicturesTest : public QObject {
    Q_OBJECT

private slots:
    // Hanzi of Unifont, 16 pixels wide: a sign of 40 LEDs holds two a line, and the strip's
    // columns 32n to 32n + 31 are line n.
    void preview_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("frameMs");
        QTest::addColumn<QRgb>("lit");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<int>("lines");
        const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
        const auto add = [&](const char* name, const QStringList& options, int frameMs, QRgb lit,
                             int lines) {
            QTest::newRow(name) << options << frameMs << lit << (lit == white ? black : white)
                                << lines;
        };
        add("the defaults", {}, 50, qRgb(255, 0, 0), 1);
        add("the shortest frame", {"--frame-ms", "20"}, 20, qRgb(255, 0, 0), 1);
        add("the longest frame", {"--frame-ms", "1000"}, 1000, qRgb(255, 0, 0), 1);
        add("green", {"--led-colour", "green"}, 50, qRgb(0, 200, 0), 1);
        add("amber", {"--led-colour", "AMBER"}, 50, qRgb(255, 176, 0), 1);
        add("blue", {"--led-colour", "blue"}, 50, qRgb(0, 96, 255), 1);
        add("white on black", {"--led-colour", "white"}, 50, white, 1);
        add("two lines", {"--sign-lines", "2"}, 50, qRgb(255, 0, 0), 2);
        add("eight lines of amber, slowly",
            {"--sign-lines", "8", "--led-colour", "amber", "--frame-ms", "200"}, 200,
            qRgb(255, 176, 0), 8);
    }

    void preview() {
        QFETCH(QStringList, options);
        QFETCH(int, frameMs);
        QFETCH(QRgb, lit);
        QFETCH(QRgb, background);
        QFETCH(int, lines);
        const QString text = QStringLiteral("欢迎光临点阵");
        constexpr int Width = 40, Height = 16;
        QTemporaryDir dir;
        const QString path = dir.filePath("preview.gif");
        const Run run =
            glimmetFont(options + QStringList{"--strip", "--format", "text", "--preview", path,
                                              "--sign-width", "40", text});
        QCOMPARE(run.status, 0);
        const QStringList strip = textPictures(run.out).value(0);
        const int stripWidth = int(strip.value(0).size());
        QCOMPARE(stripWidth, 96);
        // On one line the strip moves left a column a frame; on several its three lines rise a
        // row a frame. Whether LED j, r of the sign is lit in frame t:
        const int rows = lines * Height;
        const int frames = lines == 1 ? stripWidth + Width : 3 * Height + rows;
        const auto shown = [&](int j, int r, int t) {
            int c = j + t - Width, row = r;
            if (lines > 1) {
                const int y = r + t - rows;  // in the lines one under another
                if (y < 0 || y >= 3 * Height || j >= 32) return false;
                c = y / Height * 32 + j;
                row = y % Height;
            }
            return c >= 0 && c < stripWidth && strip[row][c] == '#';
        };
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), frames);
        for (int t = 0; t < frames; ++t) {
            const QImage image = reader.read();
            QCOMPARE(reader.nextImageDelay(), frameMs);
            QCOMPARE(image.size(),
                     QSize(Width, rows) * Sheet::Pitch + 2 * QSize(Sheet::Margin, Sheet::Margin));
            QCOMPARE(image.pixel(0, 0), background);
            for (int r = 0; r < rows; ++r)
                for (int j = 0; j < Width; ++j) {
                    const QPoint centre =
                        QPoint(j, r) * Sheet::Pitch + QPoint(Sheet::Margin + 3, Sheet::Margin + 3);
                    if ((image.pixel(centre) == lit) != shown(j, r, t))
                        QFAIL(qPrintable(
                            QStringLiteral("frame %1, LED %2, %3").arg(t).arg(j).arg(r)));
                }
        }
    }

    // The preview's options take what a sign and a GIF can show, and only beside --preview.
    void refused_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("a frame too short") << "--frame-ms 10"
                                           << "--frame-ms: '10' is not a multiple of 10 from 20 "
                                              "to 1000";
        QTest::newRow("a frame too long") << "--frame-ms 1010"
                                          << "--frame-ms: '1010' is not a multiple of 10";
        QTest::newRow("a frame GIF cannot time") << "--frame-ms 55"
                                                 << "--frame-ms: '55' is not a multiple of 10";
        QTest::newRow("no frame time") << "--frame-ms="
                                       << "--frame-ms: '' is not a multiple of 10";
        QTest::newRow("no line") << "--sign-lines 0"
                                 << "--sign-lines: '0' is not a whole number from 1 to 8";
        QTest::newRow("nine lines") << "--sign-lines 9"
                                    << "--sign-lines: '9' is not a whole number from 1 to 8";
        QTest::newRow("a colour of no LED")
            << "--led-colour purple"
            << "--led-colour: 'purple' is not one of red, green, amber, blue, white";
        QTest::newRow("a mistyped colour") << "--led-colour grene"
                                           << "; did you mean green?";
        QTest::newRow("a sign without a preview")
            << "--sign-lines 2 --no-preview"
            << "--sign-width, --sign-lines, --frame-ms and --led-colour are for --preview "
               "FILE.gif";
        QTest::newRow("a colour without a preview")
            << "--led-colour blue --no-preview"
            << "--sign-width, --sign-lines, --frame-ms and --led-colour are for --preview";
    }

    void refused() {
        QFETCH(QString, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QStringList words = arguments.split(' ');
        if (!words.removeOne("--no-preview")) words << "--preview" << dir.filePath("p.gif");
        const Run run = glimmetFont(words << "-o" << dir.filePath("t.c") << "A");
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QVERIFY(QDir(dir.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(FontPicturesTest)
#include "tst_font_pictures.moc"
