// glimmet-font --from text, bin and image: hand-drawn glyphs to every format, what is wrong with
// a file and where, tables read back in every layout, and images to bytes.
#include "tests/fontrun.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two glyphs drawn by hand, one with a name and one with a character.
const QByteArray Drawn =
    "# arrow\n"
    "....#...\n"
    "....##..\n"
    "#######.\n"
    "########\n"
    "#######.\n"
    "....##..\n"
    "....#...\n"
    "........\n"
    "\n"
    "U+0041 A\n"
    "........\n"
    "...##...\n"
    "..#..#..\n"
    ".#....#.\n"
    ".######.\n"
    ".#....#.\n"
    ".#....#.\n"
    "........\n";

QStringList layoutArguments(const QString& layout) {
    return layout.split(' ', Qt::SkipEmptyParts);
}

// An image of the size, white but for the black pixels listed as "x,y".
QImage picture(QSize size, const QString& black, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(Qt::white);
    for (const QString& pixel : black.split(' ', Qt::SkipEmptyParts)) {
        const QStringList at = pixel.split(',');
        image.setPixel(at[0].toInt(), at[1].toInt(), qRgb(0, 0, 0));
    }
    return image;
}

// The lit pixels of the one glyph of a --format text table, under its heading.
int litPixels(const QByteArray& text) {
    return int(text.mid(text.indexOf('\n')).count('#'));
}

}  // namespace

class FontReadersTest : public QObject {
    Q_OBJECT

private slots:
    // The name stands where a character's name would; the pictures keep every pixel.
    void drawnToEveryFormat_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        // After the header's comment, which says the glyphs come from the file.
        QTest::newRow("c") << QStringList{}
                           << QByteArray(
                                  "static const unsigned char glyphs[2][8] = {\n"
                                  "    /* arrow */\n"
                                  "    {0x08,0x0C,0xFE,0xFF,\n"
                                  "     0xFE,0x0C,0x08,0x00},\n"
                                  "    /* A U+0041 */\n"
                                  "    {0x00,0x18,0x24,0x42,\n"
                                  "     0x7E,0x42,0x42,0x00}\n"
                                  "};\n"
                                  "#endif\n");
        QTest::newRow("asm, pages") << QStringList{"--format", "asm", "--scan", "pages"}
                                    << QByteArray(
                                           "glyphs:\n"
                                           "; arrow\n"
                                           "    DB 1CH,1CH,1CH,1CH\n"
                                           "    DB 7FH,3EH,1CH,08H\n"
                                           "; A U+0041\n"
                                           "    DB 00H,78H,14H,12H\n"
                                           "    DB 12H,14H,78H,00H\n");
        QTest::newRow("bin") << QStringList{"--format", "bin"}
                             << QByteArray::fromHex(
                                    "080cfefffe0c0800"
                                    "001824427e424200");
        // Each glyph ends with an empty line.
        QTest::newRow("text") << QStringList{"--format", "text"} << Drawn + "\n";
    }

    void drawnToEveryFormat() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        Files files;
        const QString in = files.write("IN", Drawn);
        const Run run = glimmetFont(QStringList{"--from", "text", "-i", in} + arguments);
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QByteArray out = run.out;
        if (out.startsWith("/*") || out.startsWith(";")) {
            QVERIFY(out.contains(" from '" + in.toUtf8() + "': 2 glyphs of 8 x 8 pixels"));
            out = out.mid(out.indexOf(out.startsWith("/*") ? "static" : "glyphs:"));
        }
        QCOMPARE(out, expected);
    }

    void drawnOnTheSheet() {
        Files files;
        const QString sheet = files.path("sheet.png");
        QCOMPARE(glimmetFont({"--from", "text", "-i", files.write("in.txt", Drawn), "--sheet",
                              sheet, "--format", "bin"})
                     .status,
                 0);
        const QImage image(sheet);
        // Two tiles of a 16-cell width under their captions; the arrow's row 3 is lit across.
        QCOMPARE(image.width(), 2 * (16 * 6 + 8) + 8);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(image.pixel(8 + c * 6 + 3, 18 + 3 * 6 + 3), qRgb(255, 0, 0));
    }

    // Each fault is an input failure naming its line and column, and nothing is written.
    void textFaults_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray glyph = "#...\n.#..\n..#.\n...#\n";
        const auto add = [](const char* name, const QByteArray& text, const char* message) {
            QTest::newRow(name) << text << QString::fromUtf8(message);
        };
        add("short row", "# a\n#...\n.#.\n..#.\n...#\n",
            "line 3, column 4: the row ends before the glyphs' 4 pixels");
        add("long row", "# a\n" + glyph + "\n# b\n#....\n",
            "line 8, column 5: the row is longer than the glyphs' 4 pixels");
        add("unknown pixel", "# a\n#...\n.#o.\n",
            "line 3, column 3: 'o' is neither # (lit) nor . (unlit)");
        add("no heading, too few rows", "#...\n.#..\n\n" + glyph,
            "line 1, column 1: the glyph is 4 x 2 pixels; a side is 4 to 64");
        add("unknown line", "# a\n" + glyph + "\nA\n" + glyph,
            "line 7, column 1: a glyph starts with its heading (U+ and its code points, or # and "
            "a space and a name) or its first row");
        add("a name without a space", "#a\n" + glyph, "line 1, column 1: a glyph starts with");
        add("bad code point", "U+41 A\n" + glyph,
            "line 1, column 1: U+ takes four to six hex digits");
        add("control", "U+0041 U+000A\n" + glyph,
            "line 1, column 8: U+000A is no character a glyph can show");
        add("*/ in code points", "U+002A U+002F\n" + glyph,
            "line 1, column 1: a heading may not hold */");
        add("fewer rows", "# a\n" + glyph + "\n# b\n#...\n",
            "line 7, column 1: the glyph has 1 rows, the glyphs before it 4");
        add("too small", "# a\n#..\n.#.\n..#\n",
            "line 1, column 1: the glyph is 3 x 3 pixels; a side is 4 to 64");
        add("too wide", "# a\n" + QByteArray(65, '.') + "\n",
            "line 2, column 65: a row has at most 64 pixels");
        add("*/ in a name", "# a */ b\n" + glyph, "line 1, column 5: a heading may not hold */");
        add("not UTF-8", "# \xff\n" + glyph, "not valid UTF-8: byte 0xff at offset 2");
        add("nothing", "\n\n", "no glyph to convert in");
    }

    void textFaults() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        Files files;
        const QString in = files.write("in.txt", text), out = files.path("out.c");
        const Run run = glimmetFont({"--from", "text", "-i", in, "-o", out});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QVERIFY(!QFile::exists(out));
    }

    // A heading is U+ or # and a space; a line of # and . is a row, the first of a glyph drawn
    // without a heading, which is numbered.
    void headings_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("written");  // by --format text
        const QByteArray box = "####\n#..#\n#..#\n####\n";
        const QByteArray slash = "#...\n.#..\n..#.\n...#\n";
        QTest::newRow("a forgotten heading") << slash << "# glyph 0\n" + slash + "\n";
        QTest::newRow("a first row lit across") << box << "# glyph 0\n" + box + "\n";
        QTest::newRow("a name") << "# box\n" + box << "# box\n" + box + "\n";
        QTest::newRow("a name of # and .") << "# #..#\n" + box << "# #..#\n" + box + "\n";
        QTest::newRow("an empty name") << "# \n" + box << "# glyph 0\n" + box + "\n";
        QTest::newRow("code points") << "U+0041 A\n" + box << "U+0041 A\n" + box + "\n";
        QTest::newRow("headed, then not")
            << "# box\n" + box + "\n" + slash << "# box\n" + box + "\n# glyph 1\n" + slash + "\n";
    }

    void headings() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, written);
        Files files;
        const Run run =
            glimmetFont({"--from", "text", "-i", files.write("in.txt", text), "--format", "text"});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, written);
    }

    // Where a character ends depends on the text around it: a character that the text arguments
    // keep whole reads back whole, not split again on its own.
    void characterInContextReadsBack() {
        Files files;
        const Run text = glimmetFont({"--format", "text", "--", u"\u4D3F\uE545\u0A40"_qs});
        QVERIFY(text.out.contains("\nU+E545 U+0A40 "));
        const Run back = glimmetFont(
            {"--from", "text", "-i", files.write("in.txt", text.out), "--format", "text"});
        QCOMPARE(back.err, QByteArray());
        QCOMPARE(back.out, text.out);
    }

    // Every layout at every size: bin to text and back gives the same bytes, and that text to
    // bin and back the same text.
    void roundTrips_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("layout");
        for (const char* size : {"8x16", "12", "16", "24"})
            for (const char* scan : {"rows", "columns", "pages"})
                for (const char* lsb : {"", " --lsb-first"})
                    for (const char* negative : {"", " --negative"}) {
                        const QString layout =
                            QStringLiteral("--scan %1%2%3").arg(scan, lsb, negative);
                        QTest::addRow("%s, %s", size, qPrintable(layout)) << size << layout;
                    }
    }

    void roundTrips() {
        QFETCH(QString, size);
        QFETCH(QString, layout);
        Files files;
        const QStringList made = QStringList{"--size", size} + layoutArguments(layout);
        const Run bin = glimmetFont(made + QStringList{"--format", "bin", "欢迎 Ag7"});
        QCOMPARE(bin.status, 0);
        const Run text =
            glimmetFont(made + QStringList{"--from", "bin", "-i", files.write("t.bin", bin.out),
                                           "--format", "text"});
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out.count("\n\n"), 6);
        QVERIFY(text.out.contains("#"));
        const QStringList layoutOnly = layoutArguments(layout);
        const Run back = glimmetFont(layoutOnly + QStringList{"--from", "text", "-i",
                                                              files.write("t.txt", text.out),
                                                              "--format", "bin"});
        QCOMPARE(back.out, bin.out);
        const Run again =
            glimmetFont(made + QStringList{"--from", "bin", "-i", files.write("back.bin", back.out),
                                           "--format", "text"});
        QCOMPARE(again.out, text.out);
    }

    // Two 8 x 8 cells side by side, read left to right.
    void imageToBytes_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("PNG") << "PNG";
        QTest::newRow("BMP") << "BMP";
    }

    void imageToBytes() {
        QFETCH(QString, format);
        Files files;
        const QImage image = picture({16, 8}, "0,0 7,0 0,7 7,7 8,0 9,1 10,2 11,3");
        const QString path = files.save("cells." + format.toLower(), image);
        QVERIFY(!path.isEmpty());
        const Run run =
            glimmetFont({"--from", "image", "-i", path, "--size", "8", "--format", "bin"});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out.toHex(), QByteArray("8100000000000081"
                                             "8040201000000000"));
    }

    // Transparent pixels are unlit whatever their colour; an opaque enough dark one is lit;
    // the threshold moves where dark begins.
    void imageTransparencyAndThreshold_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("firstRow");
        QTest::newRow("default") << QStringList{} << QByteArray("#..#");
        QTest::newRow("threshold 200") << QStringList{"--threshold", "200"} << QByteArray("#..##");
        QTest::newRow("threshold 0") << QStringList{"--threshold", "0"} << QByteArray(".....");
    }

    void imageTransparencyAndThreshold() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, firstRow);
        QImage image = picture({5, 4}, "0,0", QImage::Format_ARGB32);
        image.setPixel(1, 0, qRgba(0, 0, 0, 0));       // transparent black
        image.setPixel(2, 0, qRgba(0, 0, 0, 100));     // mostly transparent
        image.setPixel(3, 0, qRgba(60, 60, 60, 200));  // dark, mostly opaque
        image.setPixel(4, 0, qRgb(150, 150, 150));     // light grey
        Files files;
        const Run run = glimmetFont(
            QStringList{"--from", "image", "-i", files.save("a.png", image), "--format", "text"} +
            arguments);
        QCOMPARE(run.status, 0);
        QByteArray expected = firstRow.leftJustified(5, '.');
        QCOMPARE(run.out.split('\n').value(1), expected);
    }

    // A flat grey comes out as dots about as dense as it is dark; without dithering, as nothing.
    void imageDithered_data() {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("lit");
        QTest::newRow("quarter dark") << 191 << 64;
        QTest::newRow("half dark") << 128 << 128;
        QTest::newRow("three quarters dark") << 64 << 192;
    }

    void imageDithered() {
        QFETCH(int, grey);
        QFETCH(int, lit);
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(qRgb(grey, grey, grey));
        Files files;
        const QString path = files.save("grey.png", image);
        const Run dithered =
            glimmetFont({"--from", "image", "-i", path, "--dither", "--format", "text"});
        QCOMPARE(dithered.status, 0);
        QVERIFY2(qAbs(litPixels(dithered.out) - lit) <= 8, dithered.out);
        const Run plain = glimmetFont({"--from", "image", "-i", path, "--format", "text"});
        QCOMPARE(litPixels(plain.out), grey < 128 ? 256 : 0);
    }

    // Sizes that do not fit, and options that do not go together.
    void sizeFaults_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const char* file, const QStringList& arguments,
                            int status, const char* message) {
            QTest::newRow(name) << file << arguments << status << message;
        };
        add("bin, a byte over", "33", {"--from", "bin"}, 1,
            "33 bytes are no whole number of glyphs of 16 x 16 pixels, 32 bytes each: 1 byte is "
            "left over");
        add("bin, 12 x 12", "100", {"--from", "bin", "--size", "12"}, 1,
            "of 12 x 12 pixels, 24 bytes each: 4 bytes are left over");
        add("bin, past the ASCII slots", "4112",
            {"--from", "bin", "--size", "8x16", "--charset", "ascii"}, 1,
            "257 glyphs do not fit in the 256 slots of ASCII (room for 256)");
        add("image, no whole cells", "20x16", {"--from", "image", "--size", "8"}, 1,
            "the image is 20 x 16 pixels: no whole number of 8 x 8 glyphs");
        add("image, too large for one glyph", "65x10", {"--from", "image"}, 1,
            "the image is 65 x 10 pixels, more than a glyph's 64 x 64; give --size");
        add("image, too small", "3x8", {"--from", "image"}, 1, "less than a glyph's 4 x 4");
        add("image, not an image", "33", {"--from", "image"}, 1, "not a PNG, BMP or GIF image");
        add("no file", "", {"--from", "bin"}, 2, "--from reads --input FILE");
        add("text with --size", "33", {"--from", "text", "--size", "8"}, 2,
            "--size does not apply to --from text: it is for --from font, bin, image");
        add("threshold for text", "33", {"--from", "text", "--threshold", "9"}, 2,
            "--threshold does not apply to --from text: it is for --from image");
        add("threshold past 255", "33", {"--from", "image", "--threshold", "256"}, 2,
            "--threshold: '256' is not a whole number from 0 to 255");
        add("font with a file", "33", {"--from", "bin", "--font", "Unifont"}, 2,
            "--font does not apply to --from bin: it is for --from font");
        add("bad source", "33", {"--from", "pdf"}, 2, "--from: 'pdf' is not one of font, bin,");
    }

    void sizeFaults() {
        QFETCH(QString, file);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        Files files;
        QString path;
        if (file.contains('x')) {
            const QStringList sides = file.split('x');
            path = files.save("in.png", picture({sides[0].toInt(), sides[1].toInt()}, "0,0"));
        } else if (!file.isEmpty()) {
            path = files.write("in.bin", QByteArray(file.toInt(), '\0'));
        }
        if (!path.isEmpty()) arguments << "-i" << path;
        const Run run = glimmetFont(arguments);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QCOMPARE(run.out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(FontReadersTest)
#include "tst_font_readers.moc"
