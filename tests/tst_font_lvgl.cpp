// glimmet-font's LVGL fonts drawn by LVGL's own code: a label in each font shows each text as
// glimmet-font's own strip shows it, whichever character maps were chosen; the C file compiles
// clean against LVGL's headers; and what the format refuses.
#include "tests/fontrun.h"
#include "tests/oracle.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The name LVGL's library in the build folder is configured to draw with.
const QString Name = QStringLiteral("glimmet_oracle_font");
const QString Oracles = QStringLiteral(GLIMMET_ORACLES_DIR);
constexpr int ScreenWidth = 512, ScreenHeight = 64;

QStringList strip(const QStringList& options, const QString& text) {
    return textPictures(
               glimmetFont(options + QStringList{"--strip", "--format", "text", "--", text}).out)
        .value(0);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The font's line height, as its C file gives it.
int lineHeight(const QByteArray& font) {
    static const QRegularExpression field(QStringLiteral("\\.line_height = (\\d+),"));
    return field.match(QString::fromUtf8(font)).captured(1).toInt();
}

// The maps of the C file, each as its type, start, length and the length of its list.
QStringList maps(const QByteArray& font) {
    static const QRegularExpression map(QStringLiteral(
        "\\.range_start = (0x[0-9a-f]+), \\.range_length = (\\d+),[^}]*\\.list_length = (\\d+)"
        "[^}]*\\.type = LV_FONT_FMT_TXT_CMAP_(\\w+)\\}"));
    QStringList found;
    for (const QRegularExpressionMatch& m : map.globalMatch(QString::fromUtf8(font)))
        found << QStringList{m.captured(4), m.captured(1), m.captured(2), m.captured(3)}.join(' ');
    return found;
}

// The lines of text that fit the screen, `each` characters a line, as many a piece as the screen
// holds.
QList<QStringList> pieces(const QString& text, int each, int lines) {
    QList<QStringList> pieces;
    const QList<uint> codes = text.toUcs4();
    for (qsizetype k = 0; k < codes.size(); k += each) {
        if (pieces.isEmpty() || pieces.last().size() == lines) pieces.append(QStringList());
        pieces.last() << QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.data()) + k,
                                           std::min<qsizetype>(each, codes.size() - k));
    }
    return pieces;
}

// glimmet-font's LVGL font of the input (the text where none is given) as font.c in the folder,
// and LVGL's label of the text in it, line by line of the font's height, each line against
// glimmet-font's own strip of it, both as Shape() has them. The first difference, or nothing.
QString drawnAsTheStrip(const QStringList& options, const QStringList& input, const QString& text,
                        const QString& folder) {
    const QString font = QDir(folder).filePath("font.c");
    const Run lvgl =
        glimmetFont(options + QStringList{"--format", "lvgl", "--name", Name, "-o", font} +
                    (input.isEmpty() ? QStringList{"--", text} : input));
    const int height = lineHeight(readFile(font));
    if (lvgl.status != 0 || height <= 0) return QStringLiteral("no font: ") + lvgl.err;
    for (const QStringList& lines : pieces(text, ScreenWidth / height, ScreenHeight / height)) {
        const Drawing drawing = Draw(Library::Lvgl, font, Name, lines.join('\n'), folder);
        if (!drawing.error.isEmpty()) return drawing.error;
        for (qsizetype l = 0; l < lines.size(); ++l) {
            const QStringList want = Shape(strip(options, lines[l]));
            if (want.isEmpty() || want.first().size() > ScreenWidth)
                return QStringLiteral("no strip, or wider than the screen: ") + lines[l];
            const QStringList drawn = Shape(drawing.rows.mid(l * height, height));
            if (drawn != want)
                return lines[l] + QStringLiteral("\nLVGL:\n") + drawn.join('\n') +
                       QStringLiteral("\nglimmet-font:\n") + want.join('\n');
        }
    }
    return {};
}

// gcc -Wall -Wextra -Werror -c on the font, with LVGL's headers: what it said where it failed.
QString compile(const QString& font, const QStringList& flags) {
    QProcess gcc;
    gcc.setProcessChannelMode(QProcess::MergedChannels);
    gcc.start(QStringLiteral(ORACLE_CC),
              QStringList{"-Wall", "-Wextra", "-Werror", "-DLV_CONF_INCLUDE_SIMPLE",
                          "-I" + Oracles + "/lvgl", "-c", "-o", font + ".o", font} +
                  flags);
    if (!gcc.waitForFinished(120000)) return QStringLiteral("gcc did not finish");
    if (gcc.exitStatus() == QProcess::NormalExit && gcc.exitCode() == 0) return {};
    return QStringLiteral("gcc failed: ") + QString::fromUtf8(gcc.readAll());
}

// 64 x 64 glyphs, every pixel lit, in the GB2312 slots of HZK from the first hanzi on: their
// bitmaps pass the 1 MB that LVGL's usual glyph records reach.
QByteArray pastAMegabyte() {
    constexpr int Bytes = 64 * 64 / 8, FirstHanzi = (0xB0 - 0xA1) * 94, Glyphs = 2100;
    QByteArray hzk(87 * 94 * Bytes, '\0');
    hzk.replace(FirstHanzi * Bytes, Glyphs * Bytes, QByteArray(Glyphs * Bytes, '\xFF'));
    return hzk;
}

// A text file of 4 x 4 glyphs, one for each code point from U+10000 on.
QByteArray textGlyphs(int count) {
    QByteArray text;
    for (int k = 0; k < count; ++k)
        text += QStringLiteral("U+%1\n#...\n.#..\n..#.\n...#\n\n").arg(0x10000 + k, 0, 16).toUtf8();
    return text;
}

}  // namespace

class FontLvglTest : public QObject {
    Q_OBJECT

private slots:
    // Each text in a font of its own characters, or of a file's or a character set's, in the
    // default face of each size and in a bitmap face.
    void lvglDrawsTheStrip_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("input");  // "FILE" is a file holding the text
        QTest::addColumn<QString>("text");
        const QString mixed = QStringLiteral("温度 23℃ Hello"),
                      welcome = QStringLiteral("欢迎光临");
        const QString gb2312 = someGb2312(500);
        const QStringList bitmapFace{"--font", "WenQuanYi Bitmap Song", "--size", "16"};
        for (const char* size : {"12", "16", "24"}) {
            const QStringList options{"--size", size};
            QTest::addRow("mixed at %s", size) << options << QStringList() << mixed;
            QTest::addRow("welcome at %s", size) << options << QStringList() << welcome;
            QTest::addRow("500 of GB2312 at %s", size) << options << QStringList() << gb2312;
        }
        QTest::newRow("mixed in a bitmap face") << bitmapFace << QStringList() << mixed;
        QTest::newRow("welcome in a bitmap face") << bitmapFace << QStringList() << welcome;
        QTest::newRow("500 of GB2312 in a bitmap face") << bitmapFace << QStringList() << gb2312;
        QTest::newRow("a file") << QStringList{"--size", "16"} << QStringList{"-i", "FILE"}
                                << mixed;
        QTest::newRow("ascii at 12")
            << QStringList{"--size", "12"} << QStringList{"--charset", "ascii"}
            << QStringLiteral("Hello, World! {[(0123456789)]} ~`@#$%^&*_+=|\\:;\"'<>,.?/");
        QTest::newRow("gb2312 at 16")
            << QStringList{"--size", "16"} << QStringList{"--charset", "gb2312"}
            << QStringLiteral("中华人民共和国，欢迎光临！ＡＢＣ１２３");
    }

    void lvglDrawsTheStrip() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, input);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("text.txt"), text.toUtf8()));
        input.replaceInStrings(QStringLiteral("FILE"), dir.filePath("text.txt"));
        const QString different = drawnAsTheStrip(options, input, text, dir.path());
        QVERIFY2(different.isEmpty(), qPrintable(different));
    }

    // The maps of the fewest bytes: a run of code points is a range unless listing it with the
    // characters around it costs less, and a list reaches 65,535 code points. LVGL finds every
    // character by them.
    void characterMaps_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        QTest::newRow("a run") << QStringLiteral("ZYXWVUTSRQPONMLKJIHGFEDCBA")
                               << QStringList{"FORMAT0_TINY 0x0041 26 0"};
        QTest::newRow("one character")
            << QStringLiteral("温") << QStringList{"FORMAT0_TINY 0x6e29 1 0"};
        QTest::newRow("scattered")
            << QStringLiteral("欢迎光临温度") << QStringList{"SPARSE_TINY 0x4e34 16795 6"};
        QTest::newRow("a run and scattered")
            << QStringLiteral("温度") + letters.toUpper()
            << QStringList{"FORMAT0_TINY 0x0041 26 0", "SPARSE_TINY 0x5ea6 3972 2"};
        QTest::newRow("a short run listed")
            << QStringLiteral("温度0123") << QStringList{"SPARSE_TINY 0x0030 28154 6"};
        QTest::newRow("a long run between scattered ones")
            << QStringLiteral("AC") + letters + QStringLiteral("温度")
            << QStringList{"SPARSE_TINY 0x0041 3 2", "FORMAT0_TINY 0x0061 26 0",
                           "SPARSE_TINY 0x5ea6 3972 2"};
        QTest::newRow("a shorter run between scattered ones")
            << QStringLiteral("AC") + letters.left(20) + QStringLiteral("温度")
            << QStringList{"SPARSE_TINY 0x0041 28137 24"};
        QTest::newRow("further apart than a list reaches")
            << QStringLiteral("AC😀😂")
            << QStringList{"SPARSE_TINY 0x0041 3 2", "SPARSE_TINY 0x1f600 3 2"};
    }

    void characterMaps() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString different =
            drawnAsTheStrip({"--font", "DejaVu Sans", "--size", "16"}, {}, text, dir.path());
        QVERIFY2(different.isEmpty(), qPrintable(different));
        QCOMPARE(maps(readFile(dir.filePath("font.c"))), expected);
    }

    // LVGL counts 511 maps at most: 520 runs of 26 hanzi, each a range where maps are not counted,
    // go in fewer; LVGL finds the first and last hanzi of every run by them.
    void mostMaps() {
        QString runs, ends;
        for (char32_t run = 0x4E00; run < 0x4E00 + 520 * 40; run += 40) {
            for (char32_t code = run; code < run + 26; ++code) runs += QString::fromUcs4(&code, 1);
            ends += runs.right(26).left(1) + runs.right(1);
        }
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("runs.txt"), runs.toUtf8()));
        const QString different =
            drawnAsTheStrip({"--size", "12"}, {"-i", dir.filePath("runs.txt")}, ends, dir.path());
        QVERIFY2(different.isEmpty(), qPrintable(different));
        QVERIFY(maps(readFile(dir.filePath("font.c"))).size() <= 511);
    }

    // Glyphs read from a file stand on their cell's bottom edge and advance by its width.
    void readGlyphsDrawn_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("text") << QStringList{"--from", "text"}
                              << QByteArray(
                                     "U+4E2D 中\n..#..\n#####\n#.#.#\n#####\n..#..\n\n"
                                     "U+0041 A\n.....\n.###.\n#...#\n#####\n#...#\n")
                              << QStringLiteral("A中A")
                              << QStringList{QStringLiteral(".....") + "..#.." + ".....",
                                             QStringLiteral(".###.") + "#####" + ".###.",
                                             QStringLiteral("#...#") + "#.#.#" + "#...#",
                                             QStringLiteral("#####") + "#####" + "#####",
                                             QStringLiteral("#...#") + "..#.." + "#...#"};
        // ' ', '!' and '"' of eight rows of a byte each.
        const QByteArray bin("\0\0\0\0\0\0\0\0\x18\x18\x18\x18\x18\0\x18\0\x66\x66\x44\0\0\0\0\0",
                             24);
        QTest::newRow("bin") << QStringList{"--from", "bin", "--charset", "ascii", "--size", "8x8"}
                             << bin << QStringLiteral("!\"!")
                             << QStringList{QStringLiteral("...##...") + ".##..##." + "...##...",
                                            QStringLiteral("...##...") + ".##..##." + "...##...",
                                            QStringLiteral("...##...") + ".#...#.." + "...##...",
                                            QStringLiteral("...##...") + "........" + "...##...",
                                            QStringLiteral("...##...") + "........" + "...##...",
                                            QStringLiteral("........") + "........" + "........",
                                            QStringLiteral("...##...") + "........" + "...##..."};
    }

    void readGlyphsDrawn() {
        QFETCH(QStringList, options);
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("glyphs"), file));
        const Run lvgl =
            glimmetFont(options + QStringList{"-i", dir.filePath("glyphs"), "--format", "lvgl",
                                              "--name", Name, "-o", dir.filePath("font.c")});
        QCOMPARE(lvgl.status, 0);
        const Drawing drawing = Draw(Library::Lvgl, "font.c", Name, text, dir.path());
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(Shape(drawing.rows), Shape(expected));
    }

    // The C file compiles without a warning as a generated font is included, by lvgl.h or by
    // lvgl/lvgl.h; a font past LVGL's usual limits says what it needs.
    void compiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("error");
        const QStringList simple{"-DLV_LVGL_H_INCLUDE_SIMPLE", "-I" + Oracles + "/lvgl/src"};
        const QStringList mixed{"--", QStringLiteral("温度 23℃ Hello")};
        QTest::newRow("lvgl.h") << mixed << simple << QString();
        QTest::newRow("lvgl/lvgl.h") << mixed << QStringList{"-I" + Oracles} << QString();
        QTest::newRow("a name of one's own")
            << QStringList{"--name", "my_font_16"} + mixed << simple << QString();
        QTest::newRow("no ink") << QStringList{"--", " "} << simple << QString();
        QTest::newRow("the default name")
            << QStringList{"--font", "WenQuanYi Bitmap Song", "--", "Aa"} << simple << QString();
        const QStringList large{"--from", "bin", "--charset", "gb2312",
                                "--size", "64",  "-i",        "LARGE"};
        QTest::newRow("past 1 MB")
            << large << simple << "needs LV_FONT_FMT_TXT_LARGE 1 in lv_conf.h";
        QTest::newRow("past 1 MB, LV_FONT_FMT_TXT_LARGE")
            << large << simple + QStringList{"-DLV_FONT_FMT_TXT_LARGE=1"} << QString();
    }

    void compiles() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, flags);
        QFETCH(QString, error);
        QTemporaryDir dir;
        if (arguments.contains("LARGE")) {
            QVERIFY(writeFile(dir.filePath("large.bin"), pastAMegabyte()));
            arguments.replaceInStrings("LARGE", dir.filePath("large.bin"));
        }
        const Run lvgl =
            glimmetFont(QStringList{"--format", "lvgl", "-o", dir.filePath("font.c")} + arguments);
        QCOMPARE(lvgl.status, 0);
        QCOMPARE(lvgl.err.contains("LV_FONT_FMT_TXT_LARGE 1"), arguments.contains("--from"));
        const QString said = compile(dir.filePath("font.c"), flags);
        if (error.isEmpty())
            QVERIFY2(said.isEmpty(), qPrintable(said));
        else
            QVERIFY2(said.contains(error), qPrintable(said));
    }

    void defaultName_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("name");
        QTest::newRow("Unifont") << QStringList{"--size", "16"} << "unifont_16";
        QTest::newRow("a bitmap face")
            << QStringList{"--font", "WenQuanYi Bitmap Song", "--size", "12"}
            << "wenquanyi_bitmap_song_12";
        QTest::newRow("AR PL at 24") << QStringList{"--size", "24"} << "ar_pl_sungtil_gb_24";
    }

    void defaultName() {
        QFETCH(QStringList, options);
        QFETCH(QString, name);
        const Run lvgl = glimmetFont(options + QStringList{"--format", "lvgl", "A"});
        QCOMPARE(lvgl.status, 0);
        QVERIFY2(lvgl.out.contains("\nconst lv_font_t " + name.toUtf8() + " = {\n"), lvgl.out);
    }

    void failures_data() {
        failureColumns();
        addFailure("a name that is no identifier", "--format lvgl --name 16px A", "", 2,
                   "--name: '16px' is not a C identifier");
        addFailure("a keyword as name", "--format lvgl --name const A", "", 2,
                   "'const' is a keyword of C");
        addFailure("a header", "--format lvgl --header DIR/font.h A", "", 2,
                   "--header does not apply to --format lvgl: it is for --format c");
        addFailure("a strip", "--format lvgl --strip A", "", 2,
                   "--strip does not apply to --format lvgl: it is for");
        addFailure("a scan", "--format lvgl --scan columns A", "", 2,
                   "--scan does not apply to --format lvgl");
        addFailure("a target", "--format lvgl --target sdcc A", "", 2,
                   "--target does not apply to --format lvgl");
        addFailure("glyphs without characters", "--format lvgl --from bin --size 8x8 -i IN",
                   QByteArray(8, '\x18'), 1,
                   "no glyph has a code point of its own to be found by in a font");
        addFailure("65,536 glyphs", "--format lvgl --from text -i IN", textGlyphs(65536), 1,
                   "an LVGL font holds at most 65535 glyphs, not 65536");
        addFailure("no such folder", "--format lvgl A -o DIR/none/font.c", "", 1, "cannot write '");
    }

    void failures() {
        const QString wrong = failsAsItSays();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_GUILESS_MAIN(FontLvglTest)
#include "tst_font_lvgl.moc"
