// glimmet-font's u8g2 fonts drawn by u8g2's own code: its --format u8g2, and its BDF made into a
// u8g2 font by u8g2's own bdfconv, each draw a text as glimmet-font's own strip shows it. The two
// fonts are the same bytes but for the line u8g2 positions text by; the font compiles as C alone
// and as C++ in a sketch; and how the command fails for it.
#include "tests/fontrun.h"
#include "tests/oracle.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Mixed = QStringLiteral("温度 23℃ Hello");
const QStringList BitmapFace{"--font", "WenQuanYi Bitmap Song", "--size", "16"};

QStringList strip(const QStringList& options, const QString& text) {
    return textPictures(
               glimmetFont(options + QStringList{"--strip", "--format", "text", "--", text}).out)
        .value(0);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Each text at each size of the default faces and in a bitmap face; letters of both cases and
// Latin-1, the glyphs below 256 that u8g2 finds from 'A' and 'a', at 16.
void addTexts() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("text");
    const std::pair<const char*, QString> texts[] = {{"mixed", Mixed},
                                                     {"welcome", QStringLiteral("欢迎光临")},
                                                     {"500 of GB2312", someGb2312(500)}};
    for (const char* size : {"12", "16", "24"})
        for (const auto& [name, text] : texts)
            QTest::addRow("%s at %s", name, size) << QStringList{"--size", size} << text;
    for (const auto& [name, text] : texts)
        QTest::addRow("%s in a bitmap face", name) << BitmapFace << text;
    QTest::newRow("Latin-1 at 16")
        << QStringList{"--size", "16"} << QStringLiteral("Aa Zz ¡Hola! ¿Qué? 5°C ±0,5 × ½ café");
}

// The text in pieces that u8g2's display, at most 2040 pixels wide, holds with room to spare.
QStringList pieces(const QString& text, const QStringList& options) {
    const qsizetype each = 1800 / options.value(options.indexOf("--size") + 1).toInt();
    QStringList pieces;
    for (qsizetype at = 0; at < text.size(); at += each) pieces << text.mid(at, each);
    return pieces;
}

// The bytes of a u8g2 font's C string, with the 0 that ends it, and the length its array
// declares.
QByteArray stringBytes(const QByteArray& source, int& declared) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(\[(\d+)\] U8G2_FONT_SECTION\("\w+"\) =)"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(source));
    declared = match.captured(1).toInt();
    QByteArray bytes;
    bool inside = false;
    for (qsizetype i = match.capturedEnd(); i < source.size() && (inside || source[i] != ';');
         ++i) {
        if (source[i] == '"') {
            inside = !inside;
        } else if (inside && source[i] == '\\') {
            int value = 0;
            for (int digits = 0; digits < 3 && source[i + 1] >= '0' && source[i + 1] <= '7';
                 ++digits)
                value = value * 8 + source[++i] - '0';
            bytes += char(value);
        } else if (inside) {
            bytes += source[i];
        }
    }
    return bytes + '\0';
}

// A BDF property's whole number.
int bdfProperty(const QByteArray& bdf, const char* name) {
    const QRegularExpression line(QStringLiteral("^%1 (\\d+)$").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(bdf)).captured(1).toInt();
}

// The compiler's words, or nothing where it compiled.
QString compile(const QString& compiler, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(compiler, arguments);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return {};
    return QString::fromUtf8(process.readAllStandardError()) + process.errorString();
}

}  // namespace

class FontU8g2Test : public QObject {
    Q_OBJECT

private slots:
    void drawsTheStrip_data() { addTexts(); }

    // u8g2 draws glimmet-font's font from a baseline, piece by piece, as the strip shows it.
    void drawsTheStrip() {
        QFETCH(QStringList, options);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const Run run = glimmetFont(
            options + QStringList{"--format", "u8g2", "-o", dir.filePath("font.c"), "--", text});
        QVERIFY2(run.status == 0, run.err);
        for (const QString& piece : pieces(text, options)) {
            const Drawing drawing =
                Draw(Library::U8g2, "font.c", "glimmet_font", piece, dir.path(), 2040);
            QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
            QCOMPARE(Shape(drawing.rows), Shape(strip(options, piece)));
        }
    }

    void sameAsBdfconv_data() {
        addTexts();
        QString hanzi;
        for (char32_t code = 0x4E00; code <= 0x9FA5; ++code) hanzi += QString::fromUcs4(&code, 1);
        QTest::newRow("20,902 hanzi at 16") << QStringList{"--size", "16"} << hanzi;
    }

    // bdfconv makes glimmet-font's BDF into the same bytes, but for the line that positions text
    // (bdfconv's from the letters A, g and '(' where the font has them, glimmet-font's the
    // line's), and u8g2 draws the two fonts alike.
    void sameAsBdfconv() {
        QFETCH(QStringList, options);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath("in.txt"), text.toUtf8()));
        for (const auto& [format, file] : {std::pair{"u8g2", "font.c"}, {"bdf", "font.bdf"}}) {
            const Run run =
                glimmetFont(options + QStringList{"--format", format, "-o", dir.filePath(file),
                                                  "-i", dir.filePath("in.txt")});
            QVERIFY2(run.status == 0, run.err);
        }
        QString error;
        const QString theirs = Bdfconv(dir.filePath("font.bdf"), "bdfconv_font", dir.path(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));

        int declared = 0, theirDeclared = 0;
        const QByteArray ours = stringBytes(readAll(dir.filePath("font.c")), declared);
        const QByteArray bdfconv = stringBytes(readAll(dir.filePath(theirs)), theirDeclared);
        QCOMPARE(declared, ours.size());
        QCOMPARE(theirDeclared, bdfconv.size());
        QCOMPARE(ours.size(), bdfconv.size());
        QCOMPARE(ours.left(13), bdfconv.left(13));
        QCOMPARE(ours.mid(17), bdfconv.mid(17));
        const QByteArray bdf = readAll(dir.filePath("font.bdf"));
        const int ascent = bdfProperty(bdf, "FONT_ASCENT"),
                  descent = bdfProperty(bdf, "FONT_DESCENT");
        const char line[] = {char(ascent), char(-descent), char(ascent), char(-descent)};
        QCOMPARE(ours.mid(13, 4), QByteArray(line, 4));

        const QString piece = pieces(text, options).front();
        const Drawing drawing =
            Draw(Library::U8g2, "font.c", "glimmet_font", piece, dir.path(), 2040);
        const Drawing theirDrawing =
            Draw(Library::U8g2, theirs, "bdfconv_font", piece, dir.path(), 2040);
        QVERIFY2(drawing.error.isEmpty() && theirDrawing.error.isEmpty(),
                 qPrintable(drawing.error + theirDrawing.error));
        QCOMPARE(drawing.rows, theirDrawing.rows);
    }

    void readGlyphs_data() {
        QTest::addColumn<QStringList>("writing");  // the table written first
        QTest::addColumn<QStringList>("reading");  // and how it is read back
        QTest::newRow("a text table") << QStringList{"--format", "text", "--", "欢迎光临温度"}
                                      << QStringList{"--from", "text"};
        QTest::newRow("HZK16") << QStringList{"--format", "bin", "--charset", "gb2312"}
                               << QStringList{"--from", "bin", "--charset", "gb2312"};
    }

    // Glyphs read from a table make the font as the glyphs captured do.
    void readGlyphs() {
        QFETCH(QStringList, writing);
        QFETCH(QStringList, reading);
        QTemporaryDir dir;
        const QString table = dir.filePath("table");
        QCOMPARE(glimmetFont(QStringList{"-o", table} + writing).status, 0);
        const Run run = glimmetFont(
            reading + QStringList{"-i", table, "--format", "u8g2", "-o", dir.filePath("font.c")});
        QVERIFY2(run.status == 0, run.err);
        const QString text = QStringLiteral("欢迎光临温度");
        const Drawing drawing = Draw(Library::U8g2, "font.c", "glimmet_font", text, dir.path());
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(Shape(drawing.rows), Shape(strip({}, text)));
    }

    // A character beyond the 16-bit codes u8g2 finds glyphs by is left out, and said.
    void leavesOutWhatU8g2CannotFind() {
        QTemporaryDir dir;
        const Run run =
            glimmetFont({"--format", "u8g2", "-o", dir.filePath("font.c"), "--", "A😀B"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains("warning: u8g2 finds a glyph by a code point from U+0001 to "
                                  "U+FFFD: 😀 U+1F600 left out\n"),
                 run.err);
        int declared = 0;
        QCOMPARE(stringBytes(readAll(dir.filePath("font.c")), declared).front(), char(2));
        const Drawing drawing = Draw(Library::U8g2, "font.c", "glimmet_font", "A😀B", dir.path());
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(Shape(drawing.rows), Shape(strip({}, "AB")));
    }

    void compiles_data() {
        QTest::addColumn<QString>("compiler");
        QTest::addColumn<QString>("standard");
        QTest::addColumn<QString>("file");  // the font alone, or a sketch that includes it
        QTest::addColumn<int>("glyphs");
        QTest::newRow("C99, alone") << ORACLE_CC << "-std=c99"
                                    << "font.c" << 40;
        QTest::newRow("C99, 6,000 glyphs") << ORACLE_CC << "-std=c99"
                                           << "font.c" << 6000;
        QTest::newRow("C++11, in a sketch after u8g2.h") << ORACLE_CXX << "-std=c++11"
                                                         << "sketch.cpp" << 40;
    }

    // The C file is u8g2's own fonts' array under the name given, and compiles without a warning
    // alone and where a sketch includes it after u8g2's header.
    void compiles() {
        QFETCH(QString, compiler);
        QFETCH(QString, standard);
        QFETCH(QString, file);
        QFETCH(int, glyphs);
        QTemporaryDir dir;
        QString text;
        for (char32_t code = 0x4E00; code < 0x4E00 + char32_t(glyphs); ++code)
            text += QString::fromUcs4(&code, 1);
        const Run run = glimmetFont({"--format", "u8g2", "--name", "u8g2_font_hanzi_16", "-o",
                                     dir.filePath("font.c"), "--", text + Mixed});
        QVERIFY2(run.status == 0, run.err);
        QVERIFY(QRegularExpression(
                    QStringLiteral("\nconst uint8_t u8g2_font_hanzi_16\\[\\d+\\] "
                                   "U8G2_FONT_SECTION\\(\"u8g2_font_hanzi_16\"\\) =\n  \""))
                    .match(QString::fromUtf8(readAll(dir.filePath("font.c"))))
                    .hasMatch());
        QVERIFY(writeAll(dir.filePath("sketch.cpp"),
                         "#include \"u8g2.h\"\n#include \"font.c\"\n"
                         "void show(u8g2_t* u8g2) {\n"
                         "    u8g2_SetFont(u8g2, u8g2_font_hanzi_16);\n"
                         "    u8g2_DrawUTF8(u8g2, 0, 20, \"温度 23℃\");\n}\n"));
        const QString csrc = QStringLiteral(GLIMMET_ORACLES_DIR "/u8g2/csrc");
        const QString error =
            compile(compiler, {standard, "-Wall", "-Wextra", "-Werror", "-I" + csrc, "-c", file},
                    dir.path());
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // Each failure says what is wrong and writes nothing. NOISY is a 64 x 64 glyph of noise, WIDE
    // a font whose A moves the pen 130 pixels, IMAGE a picture of a glyph.
    void failures_data() {
        saysColumns();
        const auto add = addSays;
        add("a strip", "--strip A", 2,
            "--strip does not apply to --format u8g2: it is for --format c, asm, bin, text");
        add("a header", "--header DIR/font.h A", 2,
            "--header does not apply to --format u8g2: it is for --format c");
        add("a scan", "--scan columns A", 2, "--scan does not apply to --format u8g2");
        add("a target", "--target sdcc A", 2, "--target does not apply to --format u8g2");
        add("unique", "--unique A", 2, "--unique does not apply to --format u8g2");
        add("a name that starts with a digit", "--name 16px A", 2,
            "--name: '16px' is not a C identifier");
        add("a name with a hyphen", "--name glimmet-font A", 2,
            "--name: 'glimmet-font' is not a C identifier");
        add("a keyword as name", "--name const A", 2, "--name: 'const' is a keyword of C");
        add("only a character beyond U+FFFF", "😀", 1,
            "no character has a code point from U+0001 to U+FFFD for a u8g2 font\n");
        add("a glyph of more than 255 bytes", "--from text -i NOISY", 1,
            "B U+0042 is too large for a u8g2 glyph, which holds at most 255 bytes and moves the "
            "pen at most 127 pixels: make the glyphs smaller\n");
        add("an advance of 130 pixels", "--font WIDE A", 1,
            "A U+0041 is too large for a u8g2 glyph");
        add("glyphs of an image, without characters", "--from image -i IMAGE", 1,
            "no glyph has a code point of its own to be found by in a font");
    }

    void failures() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QByteArray noisy = "U+0042\n";
        uint32_t seed = 1;
        for (int r = 0; r < 64; ++r, noisy += '\n')
            for (int c = 0; c < 64; ++c)
                noisy += (seed = seed * 1103515245 + 12345) >> 16 & 1 ? '#' : '.';
        QVERIFY(writeAll(dir.filePath("noisy.txt"), noisy));
        const Run bdf = glimmetFont({"--format", "bdf", "A"});
        QVERIFY(writeAll(dir.filePath("wide.bdf"),
                         QByteArray(bdf.out).replace("DWIDTH 8 0", "DWIDTH 130 0")));
        arguments.replace("NOISY", dir.filePath("noisy.txt"))
            .replace("WIDE", dir.filePath("wide.bdf"));
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::black);
        QVERIFY(image.save(dir.filePath("image.png")));
        arguments.replace("IMAGE", dir.filePath("image.png")).replace("DIR", dir.path());
        const Run run = glimmetFont(QStringList{"--format", "u8g2", "-o", dir.filePath("font.c")} +
                                    arguments.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QVERIFY(!QFile::exists(dir.filePath("font.c")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    }
};

QTEST_GUILESS_MAIN(FontU8g2Test)
#include "tst_font_u8g2.moc"
