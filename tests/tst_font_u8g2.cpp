// glimmet-font's fonts drawn by u8g2's own code: the BDF made into a u8g2 font by u8g2's own
// bdfconv draws each text as glimmet-font's own strip shows it.
#include "tests/fontrun.h"
#include "tests/oracle.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList strip(const QStringList& options, const QString& text) {
    return textPictures(
               glimmetFont(options + QStringList{"--strip", "--format", "text", "--", text}).out)
        .value(0);
}

}  // namespace

class FontU8g2Test : public QObject {
    Q_OBJECT

private slots:
    void bdfconvDrawsTheStrip_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("text");
        const QString mixed = QStringLiteral("温度 23℃ Hello");
        for (const char* size : {"12", "16", "24"})
            QTest::addRow("mixed at %s", size) << QStringList{"--size", size} << mixed;
        QTest::newRow("a bitmap face")
            << QStringList{"--font", "WenQuanYi Bitmap Song", "--size", "16"} << mixed;
    }

    void bdfconvDrawsTheStrip() {
        QFETCH(QStringList, options);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const Run bdf = glimmetFont(
            options + QStringList{"--format", "bdf", "-o", dir.filePath("font.bdf"), "--", text});
        QCOMPARE(bdf.status, 0);
        QString error;
        const QString font = Bdfconv(dir.filePath("font.bdf"), "bdfconv_font", dir.path(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const Drawing drawing = Draw(Library::U8g2, font, "bdfconv_font", text, dir.path());
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(Shape(drawing.rows), Shape(strip(options, text)));
    }
};

QTEST_GUILESS_MAIN(FontU8g2Test)
#include "tst_font_u8g2.moc"
