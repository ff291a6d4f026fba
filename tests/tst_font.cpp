// glimmet-font: the bytes of the window for every character, the layouts stated by hand, the
// character sets and the HZK16 file, the proof sheet, and how the command fails.
#include "capture/fonts.h"
#include "font/charsets.h"
#include "font/glyphs.h"
#include "font/layout.h"
#include "font/sheet.h"
#include "grid/surface.h"
#include "tests/support.h"

#include <QDir>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run {
    int status;
    QByteArray out, err;
};

Run glimmetFont(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(GLIMMET_FONT), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QList<int> bytesOf(const QByteArray& binary) {
    QList<int> bytes;
    for (char byte : binary) bytes << uint8_t(byte);
    return bytes;
}

// A glyph drawn by hand: '#' for ink, rows from the top.
Glyph drawn(const QStringList& rows) {
    Glyph glyph;
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 16; ++c) glyph.ink[16 * r + c] = rows[r][c] == '#';
    return glyph;
}

// The pictures of a text table, or the one of a strip: rows of '#' and '.', under a heading.
QList<QStringList> pictures(const QByteArray& text) {
    QList<QStringList> pictures;
    for (const QString& block : QString::fromUtf8(text).split("\n\n", Qt::SkipEmptyParts))
        pictures << block.split('\n').mid(1);
    return pictures;
}

QStringList corners() {
    QStringList rows(16, QString(16, '.'));
    rows[0][0] = rows[0][15] = rows[15][0] = rows[15][15] = '#';
    return rows;
}

}  // namespace

class FontTest : public QObject {
    Q_OBJECT

private slots:
    // Each failure says what is wrong and where, and writes nothing: an existing table stays as
    // it was and no other file appears. IN is a file holding the input; OUT an existing table.
    void failures_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const char* arguments, const QByteArray& input,
                            int status, const char* message) {
            QTest::newRow(name) << QString::fromUtf8(arguments) << input << status
                                << QString::fromUtf8(message);
        };
        add("unknown option", "--frobnicate A", "", 2, "Unknown option 'frobnicate'");
        add("bad scan", "--scan diagonal A", "", 2, "--scan: 'diagonal' is not one of rows,");
        add("bad format", "--format pdf A", "", 2, "--format: 'pdf' is not one of c, asm, bin,");
        add("bad name", "--name 2x A", "", 2, "--name: '2x' is not a C identifier");
        add("a keyword as name", "--name static A", "", 2, "'static' is not a C identifier");
        add("no input", "", "", 2, "no input: give TEXT, --input FILE or --charset SET");
        add("text and file", "-i IN A", "B", 2, "give only one of TEXT, --input FILE and");
        add("file and charset", "-i IN --charset ascii", "B", 2, "give only one of");
        add("two files", "-i IN -i IN", "B", 2, "--input is given more than once");
        add("bad charset", "--charset big5", "", 2, "--charset: 'big5' is not one of");
        add("invalid UTF-8", "-i IN", "AB\xE4\xB8", 1, "is not valid UTF-8: byte 0xe4 at offset 2");
        add("a lone continuation byte", "-i IN", "\x80", 1, "byte 0x80 at offset 0");
        add("an encoded surrogate", "-i IN", "A\xED\xA0\x80", 1, "byte 0xed at offset 1");
        add("an overlong form", "-i IN", "\xC0\xAF", 1, "byte 0xc0 at offset 0");
        add("an empty file", "-i IN", "", 1, "no character to convert in '");
        add("only control characters", "-i IN", "\r\n\t\n", 1, "no character to convert");
        add("no such file", "-i MISSING", "", 1, "cannot read '");
        add("a folder to read", "-i DIR", "", 1, "cannot read '");
        add("no such folder to write", "A -o DIR/none/t.c", "", 1, "cannot write '");
        add("no such folder for the preview", "A --preview DIR/none/p.gif", "", 1,
            "cannot write '");
        add("a strip of nothing", "--strip -i IN", "\xE2\x80\x8B", 1,
            "has a width to show in a strip");
        add("a sheet of a strip", "--strip --sheet DIR/s.png A", "", 2, "--sheet draws glyphs");
        add("bad sign width", "--preview DIR/p.gif --sign-width 0 A", "", 2,
            "--sign-width: '0' is not a whole number from 1 to 1024");
    }

    void failures() {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile in(dir.filePath("in.txt")), out(dir.filePath("out.c"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(input) == input.size());
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write("old") == 3);
        in.close();
        out.close();
        arguments.replace("IN", in.fileName()).replace("MISSING", dir.filePath("none.txt"));
        arguments.replace("DIR", dir.path());
        QStringList words = arguments.split(' ', Qt::SkipEmptyParts);
        if (!words.contains("-o")) words << "-o" << out.fileName();
        const Run run = glimmetFont(words);
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QCOMPARE(run.out, QByteArray());
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void missingGlyphIsWarned() {
        const Run run = glimmetFont({"--format", "bin", "A😀"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.size(), 64);
        QCOMPARE(run.err,
                 QByteArray("glimmet-font: warning: the capture font has no glyph for "
                            "U+1F600 (😀); the table holds what the window captures for it\n"));
    }

    // A font whose line is taller than its em is measured on a canvas twice the em wide: at 64
    // pixels more samples than a 64 x 64 glyph holds.
    void largeFontTallerThanItsEm() {
        const Run run =
            glimmetFont({"--size", "64", "--font", "DejaVu Sans", "--format", "text", "A"});
        QCOMPARE(run.status, 0);
        const QStringList rows = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts).mid(1);
        QCOMPARE(rows.size(), 64);
        QVERIFY(rows.join("").contains('#'));
    }

    // A table written to a file lands whole; the same input gives the same bytes every time.
    void writesWholeAndReproducibly() {
        QTemporaryDir dir;
        const QString path = dir.filePath("table.c");
        QCOMPARE(glimmetFont({"-o", path, "欢迎"}).status, 0);
        QFile table(path);
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(table.readAll(), glimmetFont({"欢迎"}).out);
    }

    // The window's listing after typing the character and pressing Enter, in both scans.
    void sameBytesAsTheWindow_data() {
        QTest::addColumn<QString>("character");
        for (const char* character : {"亮", "龍", "A", "g", "7", " ", "😀", "é"})
            QTest::newRow(character) << QString::fromUtf8(character);
    }

    void sameBytesAsTheWindow() {
        QFETCH(QString, character);
        LoadedForm form(true);
        for (const bool across : {true, false}) {
            QTest::mouseClick(across ? form->OpX : form->OpY, Qt::LeftButton);
            form->Texcd->clear();
            TypeText(form->Texcd, character);
            QTest::keyClick(form->Texcd, Qt::Key_Return);
            const Run run = glimmetFont(
                {"--format", "bin", "--scan", across ? "rows" : "columns", "--", character});
            QCOMPARE(run.status, 0);
            QCOMPARE(bytesOf(run.out), ListingBytes(form->Texled(0)->Text()));
        }
    }

    // Every character of GB2312 captured together, as the command does, equals its capture on a
    // canvas of its own, as the window makes it.
    void wholeGb2312AsOneByOne() {
        std::vector<QString> characters;
        for (const CharsetEntry& entry : Gb2312())
            characters.push_back(QString::fromUcs4(&entry.codePoint, 1));
        QCOMPARE(characters.size(), size_t(7445));
        const std::vector<Glyph> together =
            CaptureAll(characters, TableCapture(TwelvePointFont(), {16, 16}, 0));
        for (size_t i = 0; i < characters.size(); ++i) {
            Surface canvas(CanvasSize);
            if (CaptureGlyph(canvas, characters[i], TwelvePointFont()).ink != together[i].ink)
                QFAIL(qPrintable(characters[i]));
        }
    }

    void layouts_data() {
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<int>("scan");
        QTest::addColumn<bool>("lsbFirst");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("bytes");
        QStringList topRow(16, QString(16, '.')), leftColumn = topRow;
        topRow[0] = QString(16, '#');
        for (QString& line : leftColumn) line[0] = '#';
        const auto add = [](const char* name, const QStringList& picture, Scan scan, bool lsb,
                            bool negative, const QString& bytes) {
            QTest::newRow(name) << picture << int(scan) << lsb << negative << bytes;
        };
        const auto everyOther = [](const char* value) {
            QStringList bytes;
            for (int i = 0; i < 32; i += 2) bytes << QStringLiteral("%1=%2").arg(i).arg(value);
            return bytes.join(' ');
        };
        const auto firstHalf = [](const char* value) {
            QStringList bytes;
            for (int i = 0; i < 16; ++i) bytes << QStringLiteral("%1=%2").arg(i).arg(value);
            return bytes.join(' ');
        };
        // Corners: top-left, top-right, bottom-left, bottom-right.
        add("corners, rows", corners(), Scan::Rows, false, false, "0=80 1=01 30=80 31=01");
        add("corners, rows, lsb first", corners(), Scan::Rows, true, false,
            "0=01 1=80 30=01 31=80");
        add("corners, columns", corners(), Scan::Columns, false, false, "0=80 1=01 30=80 31=01");
        add("corners, pages", corners(), Scan::Pages, false, false, "0=01 15=01 16=80 31=80");
        add("corners, pages, lsb first", corners(), Scan::Pages, true, false,
            "0=80 15=80 16=01 31=01");
        add("corners, rows, negative", corners(), Scan::Rows, false, true,
            "0=7F 1=FE 2=FF 30=7F 31=FE");
        add("top row, rows", topRow, Scan::Rows, false, false, "0=FF 1=FF");
        add("top row, columns", topRow, Scan::Columns, false, false, everyOther("80"));
        add("top row, pages", topRow, Scan::Pages, false, false, firstHalf("01"));
        add("left column, rows", leftColumn, Scan::Rows, false, false, everyOther("80"));
        add("left column, columns", leftColumn, Scan::Columns, false, false, "0=FF 1=FF");
        add("left column, pages", leftColumn, Scan::Pages, false, false, "0=FF 16=FF");
        add("left column, pages, negative", leftColumn, Scan::Pages, false, true, "0=00 16=00");
    }

    // Bytes not named (as "index=hex") are those of a blank glyph.
    void layouts() {
        QFETCH(QStringList, picture);
        QFETCH(int, scan);
        QFETCH(bool, lsbFirst);
        QFETCH(bool, negative);
        QFETCH(QString, bytes);
        const Layout layout{Scan(scan), lsbFirst, negative};
        std::vector<uint8_t> expected = layout.bytes(Glyph{});
        for (const QString& named : bytes.split(' ')) {
            const QStringList parts = named.split('=');
            expected[parts[0].toInt()] = uint8_t(parts[1].toInt(nullptr, 16));
        }
        QCOMPARE(layout.bytes(drawn(picture)), expected);
    }

    void uniqueKeepsFirstAppearances() {
        QCOMPARE(glimmetFont({"--format", "bin", "abcab", "ca"}).out.size(), 7 * 32);
        const Run unique = glimmetFont({"--format", "text", "--unique", "abcab", "ca"});
        QCOMPARE(unique.out.count("\nU+"), 2);
        QVERIFY(unique.out.startsWith("U+0061 a\n"));
        QVERIFY(unique.out.indexOf("U+0062 b") < unique.out.indexOf("U+0063 c"));
    }

    void charsets_data() {
        QTest::addColumn<QString>("charset");
        QTest::addColumn<int>("count");
        QTest::newRow("gb2312") << "gb2312" << 7445;
        QTest::newRow("gb2312-hanzi") << "gb2312-hanzi" << 6763;
        QTest::newRow("ascii") << "ascii" << 95;
    }

    void charsets() {
        QFETCH(QString, charset);
        QFETCH(int, count);
        const Run run = glimmetFont({"--charset", charset, "--format", "text"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count("\n\n"), count);
    }

    // 87 rows of 94 slots, every character at the slot of its code.
    void hzk16_data() {
        QTest::addColumn<QString>("polarity");
        QTest::newRow("positive") << "--scan=rows";
        QTest::newRow("negative") << "--negative";
    }

    void hzk16() {
        QFETCH(QString, polarity);
        const QByteArray file =
            glimmetFont({"--charset", "gb2312", "--format", "bin", polarity}).out;
        QCOMPARE(file.size(), 261696);
        const auto slot = [&](int hi, int lo) {
            return file.mid(((hi - 0xA1) * 94 + lo - 0xA1) * 32, 32);
        };
        QCOMPARE(slot(0xB0, 0xA1), glimmetFont({"--format", "bin", polarity, "啊"}).out);
        QCOMPARE(slot(0xF7, 0xFE), glimmetFont({"--format", "bin", polarity, "齄"}).out);
        QCOMPARE(slot(0xAA, 0xA1), QByteArray(32, polarity == "--negative" ? char(0xFF) : 0));
    }

    // Each character as wide as Unifont advances it, or nothing for a zero-width one; the C
    // header says how wide and high the strip is.
    void stripWidths_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("width");
        QTest::newRow("letters and a hanzi") << "A中B"
                                             << "16" << 8 + 16 + 8;
        QTest::newRow("a zero-width space") << "A\u200BB"
                                            << "16" << 8 + 8;
        QTest::newRow("a letter with its mark") << "e\u0301!"
                                                << "16" << 8 + 8;
        QTest::newRow("hanzi at 12") << "你好ab"
                                     << "12" << 12 + 12 + 6 + 6;
        QTest::newRow("a wide glyph size") << "中A"
                                           << "32x16" << 16 + 8;
    }

    void stripWidths() {
        QFETCH(QString, text);
        QFETCH(QString, size);
        QFETCH(int, width);
        const int height = size.section('x', -1).toInt();
        const QStringList picture =
            pictures(glimmetFont({"--strip", "--size", size, "--format", "text", text}).out)
                .value(0);
        QCOMPARE(picture.size(), height);
        for (const QString& row : picture) QCOMPARE(row.size(), width);
        const Run c = glimmetFont({"--strip", "--size", size, "--scan", "columns", text});
        QCOMPARE(c.status, 0);
        const QString defines = QStringLiteral(
                                    "\n#define STRIP_WIDTH %1\n#define STRIP_HEIGHT %2\n"
                                    "static const unsigned char strip[%3] = {\n")
                                    .arg(width)
                                    .arg(height)
                                    .arg(width * ((height + 7) / 8));
        QVERIFY2(c.out.contains(defines.toUtf8()), c.out);
    }

    // A strip is its characters' own captures side by side: down columns one after another, across
    // rows each row of the strip made of the characters' rows.
    void stripIsTheCharacters() {
        const QStringList sizes{"8x16", "16", "8x16"}, characters{"A", "中", "B"};
        QByteArray columns, rows;
        for (int row = 0; row < 16; ++row) {
            for (int k = 0; k < 3; ++k) {
                const QStringList arguments{"--size", sizes[k], "--format", "bin", characters[k]};
                if (row == 0)
                    columns += glimmetFont(QStringList{"--scan", "columns"} + arguments).out;
                const QByteArray glyph = glimmetFont(arguments).out;
                const int bytes = glyph.size() / 16;
                rows += glyph.mid(row * bytes, bytes);
            }
        }
        QCOMPARE(columns.size(), 64);
        const QStringList strip{"--strip", "--format", "bin", "A中B"};
        QCOMPARE(glimmetFont(strip + QStringList{"--scan", "columns"}).out, columns);
        QCOMPARE(glimmetFont(strip).out, rows);
    }

    // The preview scrolls the strip across the sign one column a frame, from a blank sign until
    // its last column leaves; each frame's LEDs are those of the strip's columns on the sign.
    void preview_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("signWidth");
        QTest::newRow("the default sign") << "A中B" << 64;
        QTest::newRow("a sign narrower than a hanzi") << "中A" << 10;
    }

    void preview() {
        QFETCH(QString, text);
        QFETCH(int, signWidth);
        QTemporaryDir dir;
        const QString path = dir.filePath("preview.gif");
        const Run run = glimmetFont({"--strip", "--format", "text", "--preview", path,
                                     "--sign-width", QString::number(signWidth), text});
        QCOMPARE(run.status, 0);
        const QStringList strip = pictures(run.out).value(0);
        const int width = int(strip.value(0).size());
        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), width + signWidth);
        QCOMPARE(reader.loopCount(), -1);  // forever
        for (int frame = 0; frame < width + signWidth; ++frame) {
            const QImage image = reader.read();
            QCOMPARE(reader.nextImageDelay(), 50);
            QCOMPARE(image.size(),
                     QSize(signWidth, 16) * Sheet::Pitch + 2 * QSize(Sheet::Margin, Sheet::Margin));
            for (int r = 0; r < 16; ++r) {
                for (int j = 0; j < signWidth; ++j) {
                    const int c = j + frame - signWidth;
                    const bool ink = c >= 0 && c < width && strip[r][c] == '#';
                    const QPoint centre =
                        QPoint(j, r) * Sheet::Pitch + QPoint(Sheet::Margin + 3, Sheet::Margin + 3);
                    if ((image.pixel(centre) == qRgb(255, 0, 0)) != ink)
                        QFAIL(qPrintable(
                            QStringLiteral("frame %1, LED %2, %3").arg(frame).arg(j).arg(r)));
                }
            }
        }
    }

    // The sheet shows each glyph's LEDs at their centres, in the table's order.
    void sheet() {
        QTemporaryDir dir;
        const QString path = dir.filePath("sheet.png");
        const QString text = QStringLiteral("欢迎使用 LED 点阵屏，再见！A");
        const Run run = glimmetFont({"--format", "text", "--sheet", path, text});
        QCOMPARE(run.status, 0);
        const QStringList blocks = QString::fromUtf8(run.out).split("\n\n", Qt::SkipEmptyParts);
        QCOMPARE(blocks.size(), 17);
        const QImage sheet(path);
        const Sheet::Tiles tiles(QSize(16, 16));
        QCOMPARE(sheet.size(), QSize(tiles.sheetWidth(17), 2 * tiles.height + Sheet::Margin));
        for (int k = 0; k < blocks.size(); ++k) {
            const QStringList rows = blocks[k].split('\n').mid(1);
            const QPoint grid(Sheet::Margin + k % 16 * tiles.width,
                              k / 16 * tiles.height + Sheet::Caption);
            for (int r = 0; r < 16; ++r)
                for (int c = 0; c < 16; ++c) {
                    const QPoint centre = grid + QPoint(c, r) * Sheet::Pitch + QPoint(3, 3);
                    QCOMPARE(sheet.pixel(centre) == qRgb(255, 0, 0), rows[r][c] == '#');
                }
        }
    }
};

GLIMMET_TEST_MAIN(FontTest)
#include "tst_font.moc"
