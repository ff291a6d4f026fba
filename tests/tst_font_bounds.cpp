// glimmet-font's readers and their bounds: every input is read up to a limit that the message
// states, and past it the command fails with exit status 1 at once; it never runs out of memory.
#include "tests/fontrun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class FontBoundsTest : public QObject {
    Q_OBJECT

private slots:
    // ARGUMENTS name the input: a device, a sparse file of so many bytes (BIG), or an image of
    // WxH pixels (IMAGE). stdinFile, where given, is the file standard input reads.
    void bounds_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("stdinFile");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const char* arguments, const char* stdinFile,
                            qint64 bytes, int status, const char* message) {
            const QStringList size = QString::fromUtf8(arguments).split("IMAGE=");
            const QStringList sides = size.value(1).split('x');
            QTest::newRow(name) << size[0] + (sides.size() > 1 ? "IMAGE" : "")
                                << QString::fromUtf8(stdinFile) << bytes
                                << QSize(sides.value(0).toInt(), sides.value(1).toInt()) << status
                                << QString::fromUtf8(message);
        };
        constexpr qint64 MiB = 1 << 20;
        const char* binLimit = "holds more than 64 MiB, the most --from bin reads\n";
        add("/dev/zero as a binary table", "--from bin -i /dev/zero", "", 0, 1, binLimit);
        add("a binary table of 2 GiB", "--from bin -i BIG", "", 2048 * MiB, 1, binLimit);
        add("a binary table a byte too large", "--from bin -i BIG", "", 64 * MiB + 1, 1, binLimit);
        add("/dev/zero on standard input", "--from bin -i -", "/dev/zero", 0, 1,
            "glimmet-font: standard input holds more than 64 MiB, the most --from bin reads\n");
        add("/dev/zero as text pictures", "--from text -i /dev/zero", "", 0, 1,
            "'/dev/zero' holds more than 64 MiB, the most --from text reads\n");
        add("/dev/zero as text to capture", "-i /dev/zero", "", 0, 1,
            "'/dev/zero' holds more than 64 MiB, the most --from font reads\n");
        add("text of 65 MiB on standard input", "-i -", "BIG", 65 * MiB, 1,
            "standard input holds more than 64 MiB, the most --from font reads\n");
        add("/dev/zero as an image", "--from image -i /dev/zero", "", 0, 1,
            "'/dev/zero' holds more than 256 MiB, the most --from image reads\n");
        add("an image too wide", "--from image --size 4 -i IMAGE=8193x4", "", 0, 1,
            "the image is 8193 x 4 pixels, more than the 8192 x 8192 that --from image reads\n");
        add("an image too high", "--from image --size 4 -i IMAGE=4x8200", "", 0, 1,
            "the image is 4 x 8200 pixels, more than the 8192 x 8192 that --from image reads\n");
        add("an image as wide as read", "--from image --size 4 -i IMAGE=8192x4", "", 0, 0, "");
        add("a font file of 300 MiB", "--font BIG A", "", 300 * MiB, 1,
            "--font: 'BIG' holds more than 256 MiB, the most a font file may hold\n");
        add("a device as a font", "--font /dev/zero A", "", 0, 1,
            "--font: '/dev/zero' is not a font file\n");
    }

    void bounds() {
        QFETCH(QString, arguments);
        QFETCH(QString, stdinFile);
        QFETCH(qint64, bytes);
        QFETCH(QSize, pixels);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString big = dir.filePath("big"), image = dir.filePath("image.png");
        if (arguments.contains("BIG") || stdinFile == "BIG") {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(bytes));
        }
        if (arguments.contains("IMAGE")) {
            QImage picture(pixels, QImage::Format_Mono);
            picture.fill(1);
            QVERIFY(picture.save(image));
        }
        QStringList words = arguments.replace("BIG", big).replace("IMAGE", image).split(' ');
        words << "--format"
              << "bin"
              << "-o" << dir.filePath("out.bin");
        const Run run = glimmetFontReading(words, stdinFile == "BIG" ? big : stdinFile);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.endsWith(message.replace("BIG", big).toUtf8()), run.err);
        QCOMPARE(QFile::exists(dir.filePath("out.bin")), status == 0);
    }
};

QTEST_GUILESS_MAIN(FontBoundsTest)
#include "tst_font_bounds.moc"
