// glimmet-font: the bytes of the window for every character, the layouts stated by hand, the
// character sets and the HZK16 file, the proof sheet, and how the command fails.
#include "font/boards.h"
#include "font/charsets.h"
#include "font/layouttext.h"
#include "font/sheet.h"
#include "tests/fontrun.h"
#include "tests/support.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QList<int> bytesOf(const QByteArray& binary) {
    QList<int> bytes;
    for (char byte : binary) bytes << uint8_t(byte);
    return bytes;
}

}  // namespace

class FontTest : public QObject {
    Q_OBJECT

private slots:
    // Each failure says what is wrong and where, and writes nothing: an existing table stays as
    // it was and no other file appears. IN is a file holding the input; OUT an existing table.
    void failures_data() {
        failureColumns();
        const auto add = addFailure;
        add("unknown option", "--frobnicate A", "", 2, "unknown option '--frobnicate'; see");
        add("bad scan", "--scan diagonal A", "", 2, "--scan: 'diagonal' is not one of rows,");
        add("bad format", "--format pdf A", "", 2, "--format: 'pdf' is not one of c, asm, bin,");
        add("bad name", "--name 2x A", "", 2, "--name: '2x' is not a C identifier");
        add("a keyword as name", "--name static A", "", 2, "'static' is a keyword of C");
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
        add("no such folder for the header", "A --header DIR/none/t.h", "", 1, "cannot write '");
        add("bad target", "--target keil51 A", "", 2,
            "--target: 'keil51' is not one of c, keil, sdcc, as31, avr");
        add("bad board", "--board ws2812 A", "", 2,
            "--board: 'ws2812' is not one of ssd1306, sh1106, max7219, 74hc595, hub12, st7920, "
            "p10");
        add("C for an assembler", "--target as31 A", "", 2,
            "--target as31 is an assembler: give --format asm");
        add("a header for assembly", "--header DIR/t.h --format asm A", "", 2,
            "--header does not apply to --format asm: it is for --format c");
        add("the header is the table", "--header DIR/out.c A", "", 2,
            "out.c' is the same file as -o '");
        add("bad index", "--index big5 A", "", 2, "--index: 'big5' is not one of gb2312, unicode");
        add("records in binary", "--index gb2312 --format bin A", "", 2,
            "--index does not apply to --format bin: it is for --format c, asm");
        add("slots of a text", "--slots gb2312 欢", "", 2,
            "--slots needs --charset gb2312 or gb2312-hanzi");
        add("slots of ASCII", "--slots gb2312 --charset ascii", "", 2,
            "--slots needs --charset gb2312 or gb2312-hanzi");
        add("index and slots", "--index gb2312 --slots gb2312 --charset gb2312", "", 2,
            "--index and --slots do not go together");
        add("an unknown slot file", "--slots hzk32 --charset gb2312", "", 2,
            "--slots: 'hzk32' is not one of gb2312, hzk24; did you mean hzk24?");
        add("slots of text", "--slots gb2312 --format text --charset gb2312", "", 2,
            "--slots does not apply to --format text: it is for --format c, asm, bin and --from "
            "bin");
        add("characters without a code", "--index gb2312 欢A😀é€", "", 1,
            "--index gb2312: no GB2312 code for 😀 U+1F600, € U+20AC\n");
        add("a character of two code points", "--index unicode A\xCC\x81", "", 1,
            "--index unicode: no code point of its own for A\xCC\x81 U+0041 U+0301\n");
        add("a full device", "A -o /dev/full", "", 1,
            "cannot write '/dev/full': No space left on device");
        add("a large table on a full device", "--charset gb2312 -o /dev/full", "", 1,
            "cannot write '/dev/full': No space left on device");
        add("a sheet on a full device", "A --sheet /dev/full", "", 1,
            "cannot write '/dev/full': No space left on device");
        add("a larger sheet on a full device", "--charset ascii --size 8x16 --sheet /dev/full", "",
            1, "cannot write '/dev/full': No space left on device");
        add("--db with c", "--db .db A", "", 2,
            "--db does not apply to --format c: it is for --format asm");
        add("--db with bin", "--format bin --db .db A", "", 2,
            "--db does not apply to --format bin");
        add("--db with text", "--format text --db .db A", "", 2,
            "--db does not apply to --format text");
        add("--name with bin", "--format bin --name t A", "", 2,
            "--name does not apply to --format bin: it is for --format c, asm");
        add("--name with text", "--format TEXT --name t A", "", 2,
            "--name does not apply to --format text");
        add("--scan with text", "--format text --scan rows A", "", 2,
            "--scan does not apply to --format text: it is for --format c, asm, bin, cfont and "
            "--from bin");
        add("--lsb-first with text", "--format text --lsb-first A", "", 2,
            "--lsb-first does not apply to --format text");
        add("--negative with text", "--format text --negative A", "", 2,
            "--negative does not apply to --format text");
        add("a mistyped option", "--scna rows A", "", 2,
            "unknown option '--scna'; did you mean --scan?");
        add("a mistyped long option", "--sise 16 A", "", 2, "did you mean --size?");
        add("a mistyped format", "--format cc A", "", 2,
            "--format: 'cc' is not one of c, asm, bin, text, ");
        add("a mistyped format's suggestion", "--format cc A", "", 2, "; did you mean c?\n");
        add("a mistyped order", "--scan COLUMS A", "", 2,
            "'colums' is not one of rows, columns, "
            "pages; did you mean columns?");
        add("a mistyped charset", "--charset gb2321", "", 2, "did you mean gb2312?");
        add("a mistyped encoding", "--encoding gkb -i IN", "B", 2,
            "--encoding: 'gkb' is not one of utf-8, gbk, gb18030, big5, utf-16, utf-16le, "
            "utf-16be; did you mean gbk?");
        add("an encoding without a file", "--encoding gbk A", "", 2,
            "--encoding is for a file given with --input");
        add("a GBK file", "-i IN", "AB\xBB\xB6\xD3\xAD", 1,
            "is not valid UTF-8: byte 0xbb at offset 2; if it is GBK, give --encoding gbk");
        add("a Big5 file", "-i IN", "\xC5\x77\xAA\xEF", 1,
            "is not valid UTF-8: byte 0xc5 at offset 0; if it is Big5, give --encoding big5");
        add("a UTF-16 file without a mark", "-i IN", QByteArray("A\0\xE9\0", 4), 1,
            "byte 0xe9 at offset 2; if it is UTF-16LE, give --encoding utf-16le");
        add("no encoding fits", "-i IN", "\xFF\xFF\xFF", 1, "byte 0xff at offset 0\n");
        add("invalid GBK", "--encoding gbk -i IN", "AB\xBB", 1,
            "is not valid GBK: byte 0xbb at offset 2");
        add("invalid Big5", "--encoding Big5 -i IN", "A\xAA", 1,
            "is not valid Big5: byte 0xaa at offset 1");
        add("invalid GB18030", "--encoding gb18030 -i IN", "\x81\x30\x81", 1,
            "is not valid GB18030: byte 0x81 at offset 0");
        add("an odd byte of UTF-16", "--encoding utf-16le -i IN", QByteArray("A\0B", 3), 1,
            "is not valid UTF-16LE: byte 0x42 at offset 2");
        add("a lone surrogate in UTF-16", "-i IN",
            QByteArray("\xFF\xFE\0\xD8"
                       "A\0",
                       6),
            1, "is not valid UTF-16LE: byte 0x00 at offset 2");
        add("no such folder for the preview", "A --preview DIR/none/p.gif", "", 1,
            "cannot write '");
        add("a strip of nothing", "--strip -i IN", "\xE2\x80\x8B", 1,
            "has a width to show in a strip");
        add("a sheet of a strip", "--strip --sheet DIR/s.png A", "", 2, "--sheet draws glyphs");
        add("bad sign width", "--preview DIR/p.gif --sign-width 0 A", "", 2,
            "--sign-width: '0' is not a whole number from 1 to 1024");
    }

    void failures() {
        const QString wrong = failsAsItSays();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // A file in another encoding gives the table of the same text in UTF-8; a UTF-16 file with a
    // byte order mark needs no --encoding.
    void encodings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("iconv");  // the encoding that iconv(1) writes the file in
        QTest::addColumn<QStringList>("options");
        const QString simplified = QStringLiteral("欢迎光临 LED 点阵屏！é");
        const QString traditional = QStringLiteral("歡迎光臨 LED 點陣屏！");
        const auto add = [](const char* name, const QString& text, const char* iconv,
                            const QStringList& options) {
            QTest::newRow(name) << text << QString::fromLatin1(iconv) << options;
        };
        add("GBK", simplified, "GBK", {"--encoding", "gbk"});
        add("GBK at 12 pixels", simplified, "GBK", {"--encoding", "GBK", "--size", "12"});
        add("GB18030", simplified + QStringLiteral("𠀀€"), "GB18030", {"--encoding", "gb18030"});
        add("Big5", traditional, "BIG5", {"--encoding", "big5", "--size", "8x16"});
        add("UTF-16LE", simplified, "UTF-16LE", {"--encoding", "utf-16le"});
        add("UTF-16BE", simplified, "UTF-16BE", {"--encoding", "utf-16be"});
        add("UTF-16 without a mark", simplified, "UTF-16LE", {"--encoding", "utf-16"});
        add("UTF-16 with a mark", simplified, "UTF-16", {"--encoding", "utf-16"});
        add("UTF-16 with a mark alone", simplified, "UTF-16", {"--size", "24"});
        add("UTF-16BE with a mark alone", QChar(0xFEFF) + simplified, "UTF-16BE", {});
        add("UTF-8 with a mark", QChar(0xFEFF) + simplified, "UTF-8", {"--encoding", "utf-8"});
    }

    void encodings() {
        QFETCH(QString, text);
        QFETCH(QString, iconv);
        QFETCH(QStringList, options);
        QProcess encode;
        encode.start("iconv", {"-f", "UTF-8", "-t", iconv});
        encode.write(text.toUtf8());
        encode.closeWriteChannel();
        QVERIFY(encode.waitForFinished() && encode.exitCode() == 0);
        const QByteArray file = encode.readAllStandardOutput();
        QTemporaryDir dir;
        QFile in(dir.filePath("in.txt"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write(file) == file.size());
        in.close();
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        const qsizetype size = options.indexOf("--size");
        const Run expected =
            glimmetFont((size < 0 ? QStringList() : options.mid(size)) << "--" << text);
        const Run run = glimmetFont(options + QStringList{"-i", in.fileName()});
        QCOMPARE(run.status, 0);
        QVERIFY(expected.out.startsWith("/* Made by glimmet-font"));
        QCOMPARE(run.out, expected.out);
    }

    // GB2312 and GBK decode two slots as different characters; text in either finds the slot,
    // and a GBK file holding them makes records with their codes.
    void alternateCodes_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<int>("code");
        QTest::newRow("GB2312's middle dot") << QString(QChar(0x30FB)) << 0xA1A4;
        QTest::newRow("GBK's middle dot") << QString(QChar(0x00B7)) << 0xA1A4;
        QTest::newRow("GB2312's dash") << QString(QChar(0x2015)) << 0xA1AA;
        QTest::newRow("GBK's dash") << QString(QChar(0x2014)) << 0xA1AA;
        QTest::newRow("a GB2312 hanzi") << QStringLiteral("中") << 0xD6D0;
        QTest::newRow("a GBK hanzi outside GB2312") << QStringLiteral("丂") << 0;
        QTest::newRow("GBK's small numeral in an unassigned slot") << QString(QChar(0x2170)) << 0;
    }

    void alternateCodes() {
        QFETCH(QString, character);
        QFETCH(int, code);
        QCOMPARE(int(Gb2312Code(character.toUcs4().front())), code);
        const Run run = glimmetFont({"--index", "gb2312", "--format", "asm", "--", character});
        QCOMPARE(run.status, code ? 0 : 1);
        if (code)
            QVERIFY2(run.out.contains(QStringLiteral("\n    DB 0%1H,0%2H\n")
                                          .arg(code >> 8, 0, 16)
                                          .arg(code & 0xFF, 0, 16)
                                          .toUpper()
                                          .toUtf8()),
                     run.out);
    }

    void gbkFileToRecords() {
        QTemporaryDir dir;
        QFile in(dir.filePath("gbk.txt"));
        QVERIFY(in.open(QIODevice::WriteOnly) && in.write("\xA1\xA4\xA1\xAA") == 4);
        in.close();
        const Run run = glimmetFont(
            {"--encoding", "gbk", "-i", in.fileName(), "--index", "gb2312", "--format", "asm"});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("; · U+00B7 GB2312 A1A4\n    DB 0A1H,0A4H\n") &&
                     run.out.contains("; — U+2014 GB2312 A1AA\n    DB 0A1H,0AAH\n"),
                 run.out);
    }

    // Bytes would garble a terminal: refused there, written to a file or a pipe.
    void binaryNotOnATerminal_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("bin") << "--format bin A" << 2;
        QTest::newRow("bin at 12 pixels") << "--format BIN --size 12 A" << 2;
        QTest::newRow("bin to a file") << "--format bin -o OUT A" << 0;
        QTest::newRow("bin through a pipe") << "--format bin A | cat >OUT" << 0;
        QTest::newRow("text") << "--format text A" << 0;
    }

    void binaryNotOnATerminal() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QTemporaryDir dir;
        arguments.replace("OUT", dir.filePath("out.bin"));
        // script(1) runs the command with a pseudo-terminal as its standard output.
        QProcess terminal;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANG", "C");
        environment.remove("LC_ALL");
        terminal.setProcessEnvironment(environment);
        terminal.start("script",
                       {"-qec", QStringLiteral(GLIMMET_FONT " ") + arguments, "/dev/null"});
        QVERIFY(terminal.waitForFinished(60000));
        const QByteArray screen = terminal.readAllStandardOutput();
        QCOMPARE(terminal.exitCode(), status);
        const QByteArray refusal =
            "glimmet-font: --format bin does not write to a terminal; use -o FILE or a pipe";
        QCOMPARE(screen.contains(refusal), status == 2);
        if (arguments.contains("OUT")) QCOMPARE(QFileInfo(dir.filePath("out.bin")).size(), 32);
    }

    // The help and the messages in Chinese under a Chinese locale, in English otherwise.
    void languages_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");  // the start of standard output, or of standard error
        const auto add = [](const char* name, const char* lang, const char* arguments, int status,
                            const char* message) {
            QTest::newRow(name) << lang << arguments << status << QString::fromUtf8(message);
        };
        add("help, Chinese", "zh_CN.UTF-8", "--help", 0,
            "用法：glimmet-font [选项]... [文字]...\n");
        add("help, English", "C", "--help", 0, "Usage: glimmet-font [OPTION]... [TEXT]...\n");
        add("help, English locale", "en_GB.UTF-8", "--help", 0, "Usage: glimmet-font");
        add("a bad format, Chinese", "zh_CN.UTF-8", "--format cc A", 2,
            "glimmet-font: --format：“cc”不是 c、asm、bin、text、");
        add("a bad format, English", "C", "--format cc A", 2,
            "glimmet-font: --format: 'cc' is not one of c, asm, bin, text, ");
        add("unknown option, Chinese", "zh_CN.UTF-8", "--scna rows A", 2,
            "glimmet-font: 未知选项“--scna”；您是不是想输入 --scan？\n");
        add("a missing value, Chinese", "zh_CN.UTF-8", "A --scan", 2,
            "glimmet-font: “--scan”之后缺少值；请参阅“glimmet-font --help”\n");
        add("an option of another format, Chinese", "zh_CN.UTF-8", "--db .db A", 2,
            "glimmet-font: --db 不适用于 --format c：只有 --format asm 接受它\n");
        add("a write failure, Chinese", "zh_CN.UTF-8", "A -o DIR/none/t.c", 1,
            "glimmet-font: 无法写入“");
        add("a GBK file, Chinese", "zh_CN.UTF-8", "-i GBK", 1,
            "glimmet-font: “GBK”不是有效的 UTF-8：偏移 0 处的字节 0xbb；如果它是 GBK 编码，请加上 "
            "--encoding gbk\n");
        add("a warning, Chinese", "zh_CN.UTF-8", "😀", 0,
            "glimmet-font: 警告：取模字体中没有 U+1F600 (😀) 的字形；");
    }

    void languages() {
        QFETCH(QString, lang);
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QFile gbk(dir.filePath("gbk.txt"));
        QVERIFY(gbk.open(QIODevice::WriteOnly) && gbk.write("\xBB\xB6\xD3\xAD") == 4);
        gbk.close();
        const QStringList words = arguments.replace("DIR", dir.path())
                                      .replace("-i GBK", "-i " + gbk.fileName())
                                      .split(' ');
        Run run = glimmetFont(words, {}, lang);
        run.err.replace(gbk.fileName().toUtf8(), "GBK");
        QCOMPARE(run.status, status);
        const QByteArray& said = status == 0 && run.err.isEmpty() ? run.out : run.err;
        QVERIFY2(said.startsWith(message.toUtf8()), said);
    }

    // The help is read in an 80-column terminal: a line any wider wraps into the next option's.
    void helpFitsATerminal_data() {
        QTest::addColumn<QString>("lang");
        QTest::newRow("English") << "C";
        QTest::newRow("Chinese") << "zh_CN.UTF-8";
    }

    void helpFitsATerminal() {
        QFETCH(QString, lang);
        const Run run = glimmetFont({"--help"}, {}, lang);
        QCOMPARE(run.status, 0);
        for (const QString& line : QString::fromUtf8(run.out).split('\n')) {
            int columns = 0;
            for (char32_t c : line.toUcs4()) columns += c >= 0x2E80 && c < 0xFF61 ? 2 : 1;
            QVERIFY2(columns <= 80, qPrintable(line));
        }
    }

    // More than 1,024 glyphs go on pages of 1,024, each a PNG of its own; up to 1,024 keep the
    // one name.
    void pagedSheets_data() {
        QTest::addColumn<int>("glyphs");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("1,024") << 1024 << "16" << QStringList{"sheet.png"};
        QTest::newRow("1,025") << 1025 << "16" << QStringList{"sheet-1.png", "sheet-2.png"};
        QTest::newRow("1,025 at 8x16")
            << 1025 << "8x16" << QStringList{"sheet-1.png", "sheet-2.png"};
        QTest::newRow("2,049 at 12")
            << 2049 << "12" << QStringList{"sheet-1.png", "sheet-2.png", "sheet-3.png"};
    }

    void pagedSheets() {
        QFETCH(int, glyphs);
        QFETCH(QString, size);
        QFETCH(QStringList, pages);
        QString text;
        for (int k = 0; k < glyphs; ++k) text += QString::fromUcs4(&Gb2312()[k].codePoint, 1);
        QTemporaryDir dir;
        const Run run = glimmetFont(
            {"--format", "text", "--size", size, "--sheet", dir.filePath("sheet.png"), "--", text});
        QCOMPARE(run.status, 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), pages);
        const QStringList blocks = QString::fromUtf8(run.out).split("\n\n", Qt::SkipEmptyParts);
        const QSize glyph(int(blocks[0].split('\n')[1].size()), int(blocks[0].count('\n')));
        const Sheet::Tiles tiles(glyph);
        for (int p = 0; p < pages.size(); ++p) {
            const int count = std::min<int>(glyphs - p * 1024, 1024);
            const QImage page(dir.filePath(pages[p]));
            QCOMPARE(page.size(), QSize(tiles.sheetWidth(count),
                                        (count + 15) / 16 * tiles.height + Sheet::Margin));
            // The page's last glyph, LED by LED.
            const int k = p * 1024 + count - 1;
            const QStringList rows = blocks[k].split('\n').mid(1);
            const QPoint grid(Sheet::Margin + (count - 1) % 16 * tiles.width,
                              (count - 1) / 16 * tiles.height + Sheet::Caption);
            for (int r = 0; r < glyph.height(); ++r)
                for (int c = 0; c < glyph.width(); ++c) {
                    const QPoint centre = grid + QPoint(c, r) * Sheet::Pitch + QPoint(3, 3);
                    QCOMPARE(page.pixel(centre) == qRgb(255, 0, 0), rows[r][c] == '#');
                }
        }
    }

    // A page that cannot be written takes the sheet with it: no page is left, and a page of an
    // earlier sheet stays as it was.
    void pagedSheetWholeOrNone() {
        QTemporaryDir dir;
        QFile old(dir.filePath("sheet-1.png"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QVERIFY(QDir(dir.path()).mkdir("sheet-3.png"));
        const Run run = glimmetFont({"--charset", "gb2312-hanzi", "--sheet",
                                     dir.filePath("sheet.png"), "-o", dir.filePath("t.c")});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("glimmet-font: cannot write '" +
                                    dir.filePath("sheet-3.png").toUtf8() + "': "),
                 run.err);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"sheet-1.png"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    // A sheet to a pipe goes through it: the pipe is not replaced by a file.
    void sheetThroughAPipe() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath("pipe");
        QCOMPARE(QProcess::execute("mkfifo", {pipe}), 0);
        QProcess reader;
        reader.setStandardOutputFile(dir.filePath("read.png"));
        reader.start("cat", {pipe});
        QVERIFY(reader.waitForStarted());
        const Run run = glimmetFont({"--sheet", pipe, "-o", dir.filePath("t.c"), "A"});
        QVERIFY(reader.waitForFinished());
        QCOMPARE(run.status, 0);
        QVERIFY(QFileInfo(pipe).isFile() == false && QFileInfo(pipe).exists());
        QCOMPARE(QImage(dir.filePath("read.png")).size(),
                 QSize(Sheet::Tiles({16, 16}).sheetWidth(1),
                       Sheet::Tiles({16, 16}).height + Sheet::Margin));
    }

    // The preview goes through a pipe as the sheet does; where it cannot be written, the reason
    // is said in the user's language.
    void previewThroughAPipe() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath("pipe");
        QCOMPARE(QProcess::execute("mkfifo", {pipe}), 0);
        QProcess reader;
        reader.setStandardOutputFile(dir.filePath("read.gif"));
        reader.start("cat", {pipe});
        QVERIFY(reader.waitForStarted());
        const Run run = glimmetFont({"--preview", pipe, "-o", dir.filePath("t.c"), "A"});
        QVERIFY(reader.waitForFinished());
        QCOMPARE(run.status, 0);
        QVERIFY(!QFileInfo(pipe).isFile() && QFileInfo(pipe).exists());
        QCOMPARE(QImageReader(dir.filePath("read.gif")).imageCount(), 8 + 64);
        const Run chinese =
            glimmetFont({"--preview", dir.filePath("none/p.gif"), "A"}, {}, "zh_CN.UTF-8");
        QCOMPARE(chinese.status, 1);
        QCOMPARE(QString::fromUtf8(chinese.err),
                 QStringLiteral("glimmet-font: 无法写入“%1”：没有那个文件或目录\n")
                     .arg(dir.filePath("none/p.gif")));
    }

    // Every argument is text, and one that is not UTF-8 is a usage error.
    void argumentNotUtf8() {
        QProcess shell;
        shell.start("sh",
                    {"-c", QStringLiteral(GLIMMET_FONT " -o /dev/null \"$(printf 'A\\377')\"")});
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.exitCode(), 2);
        QCOMPARE(
            shell.readAllStandardError(),
            QByteArray("glimmet-font: argument 3 is not valid UTF-8: byte 0xff at offset 1\n"));
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

    // The picture on top of a table: a line of it, counted from its title, and its title.
    void pictures_data() {
        QTest::addColumn<int>("scan");
        QTest::addColumn<bool>("lsbFirst");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, Scan scan, bool lsb, QSize size, int line,
                            const char* text) {
            QTest::newRow(name) << int(scan) << lsb << size << line << QString::fromUtf8(text);
        };
        add("title", Scan::Rows, false, {16, 16}, 0,
            "The top-left 16 x 8 pixels, each as its bit, and the bytes that hold them (on the "
            "right):");
        add("rows", Scan::Rows, false, {16, 16}, 1,
            "   7 6 5 4 3 2 1 0 7 6 5 4 3 2 1 0   bytes 0, 1");
        add("rows, lsb first", Scan::Rows, true, {16, 16}, 2,
            "   0 1 2 3 4 5 6 7 0 1 2 3 4 5 6 7   bytes 2, 3");
        add("rows of three bytes", Scan::Rows, false, {24, 24}, 2,
            "   7 6 5 4 3 2 1 0 7 6 5 4 3 2 1 0   bytes 3, 4");
        add("rows of 12 pixels", Scan::Rows, false, {12, 12}, 8,
            "   7 6 5 4 3 2 1 0 7 6 5 4   bytes 14, 15");
        add("a small glyph", Scan::Rows, false, {4, 4}, 0,
            "The top-left 4 x 4 pixels, each as its bit, and the bytes that hold them (on the "
            "right):");
        add("columns, top row", Scan::Columns, false, {16, 16}, 1,
            "        7  7  7  7  7  7  7  7  7  7  7  7  7  7  7  7");
        add("columns, bytes", Scan::Columns, false, {16, 16}, 9,
            "byte    0  2  4  6  8 10 12 14 16 18 20 22 24 26 28 30");
        add("columns 64 high, lsb first", Scan::Columns, true, {8, 64}, 9,
            "byte    0  8 16 24 32 40 48 56");
        add("pages, top row", Scan::Pages, false, {16, 16}, 1,
            "        0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0");
        add("pages, lsb first, bottom row", Scan::Pages, true, {16, 16}, 8,
            "        0  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0");
        add("pages, bytes", Scan::Pages, false, {16, 16}, 9,
            "byte    0  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15");
        add("pages of four rows", Scan::Pages, false, {8, 4}, 5, "byte   0 1 2 3 4 5 6 7");
    }

    void pictures() {
        QFETCH(int, scan);
        QFETCH(bool, lsbFirst);
        QFETCH(QSize, size);
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList picture = BitPicture(Layout{Scan(scan), lsbFirst, false}, size);
        QCOMPARE(picture.size(), std::min(size.height(), 8) + (scan == int(Scan::Rows) ? 1 : 2));
        QCOMPARE(picture[line], text);
    }

    // What each toolchain's compiler or assembler needs around the table. Keil's C51 and A51 do
    // not run here: their text is checked against Keil's documented syntax.
    void targets_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("text");
        const auto add = [](const char* name, const char* arguments, const char* text) {
            QTest::newRow(name) << QString::fromUtf8(arguments) << QString::fromUtf8(text);
        };
        add("C", "--target c",
            "#ifndef GLIMMET_GLYPHS_H\n#define GLIMMET_GLYPHS_H\n"
            "static const unsigned char glyphs[1][8] = {\n    /* A U+0041 */\n    {0x00,");
        add("C, the end", "--target c", "0x90,0x00}\n};\n#endif\n");
        add("Keil C51", "--target keil",
            "#define GLIMMET_GLYPHS_H\nstatic unsigned char code glyphs[1][8] = {\n");
        add("SDCC", "--target sdcc",
            "#define GLIMMET_GLYPHS_H\nstatic const __code unsigned char glyphs[1][8] = {\n");
        add("avr-gcc", "--target avr",
            "#define GLIMMET_GLYPHS_H\n#include <avr/pgmspace.h>\n"
            "static const unsigned char glyphs[1][8] PROGMEM = {\n");
        add("avr-gcc, how to read it", "--target avr",
            " * glyphs stays in flash, not in RAM: read its bytes with "
            "pgm_read_byte(&glyphs[glyph][byte]). */\n");
        add("assembly", "--format asm", "\nglyphs:\n; A U+0041\n    DB 00H,00H,60H,0A0H\n");
        add("A51", "--target keil --format asm",
            "\n    PUBLIC  glyphs\n?CO?glyphs SEGMENT CODE\n    RSEG    ?CO?glyphs\nglyphs:\n"
            "; A U+0041\n    DB 00H,00H,60H,0A0H\n    DB 60H,0A0H,90H,00H\n    END\n");
        add("sdas8051", "--target sdcc --format asm",
            "\n; C declares it as: extern const __code unsigned char glyphs[1][8];\n"
            "    .area CONST (CODE)\n_glyphs::\n; A U+0041\n    .db 0x00,0x00,0x60,0xA0\n");
        add("as31", "--target as31 --format asm",
            "\nglyphs:\n; A U+0041\n    .db 00H,00H,60H,0A0H\n");
        add("avr-as", "--target avr --format asm",
            "\n    .section .progmem.data,\"a\",@progbits\n    .global glyphs\nglyphs:\n"
            "; A U+0041\n    .byte 0x00,0x00,0x60,0xA0\n");
        add("--db keeps the target's values", "--target sdcc --db DB --format asm",
            "\n    DB 0x00,0x00,0x60,0xA0\n");
        add("the text as indexes", "--unique --name message",
            "#define MESSAGE_TEXT_LENGTH 5\n"
            "static const unsigned char message_text[MESSAGE_TEXT_LENGTH] = {\n"
            "    0, 0, 0, 0, 0\n};\n#endif\n");
        add("the text's label", "--unique --target avr --format asm",
            "    .global glyphs\n    .global glyphs_text\nglyphs:\n");
        add("records", "--index gb2312 --name hanzi --target keil",
            "struct hanzi_record {\n    unsigned char gb2312[2];\n    unsigned char "
            "bitmap[8];\n};\n"
            "static struct hanzi_record code hanzi[1] = {\n    /* 中 U+4E2D GB2312 D6D0 */\n"
            "    {{0xD6,0xD0},\n     {0x");
        add("records in assembly", "--index gb2312 --format asm",
            "; 中 U+4E2D GB2312 D6D0\n    DB 0D6H,0D0H\n    DB ");
    }

    void targets() {
        QFETCH(QString, arguments);
        QFETCH(QString, text);
        const QString character = arguments.contains("--index") ? "中" : "A";
        QStringList words = arguments.split(' ');
        words << "--size"
              << "8" << (arguments.contains("--unique") ? "AAAAA" : character);
        const Run run = glimmetFont(words);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(text.toUtf8()), run.out);
    }

    // Past 256 glyphs an index of the text takes two bytes, in the order the target's C stores
    // a number: the first two indexes, 0 and 1.
    void byteOrders_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::newRow("portable") << "c"
                                  << "high byte first\nglyphs_text:\n    DB 00H,00H,00H,01H\n";
        QTest::newRow("Keil C51") << "keil"
                                  << "high byte first\nglyphs_text:\n    DB 00H,00H,00H,01H\n";
        QTest::newRow("SDCC") << "sdcc"
                              << "low byte first\n_glyphs_text::\n    .db 0x00,0x00,0x01,0x00\n";
        QTest::newRow("as31") << "as31"
                              << "high byte first\nglyphs_text:\n    .db 00H,00H,00H,01H\n";
        QTest::newRow("avr-gcc") << "avr"
                                 << "low byte first\nglyphs_text:\n    .byte 0x00,0x00,0x01,0x00\n";
    }

    void byteOrders() {
        QFETCH(QString, target);
        QFETCH(QString, text);
        QString many;
        for (int k = 0; k < 300; ++k) many += QString::fromUcs4(&Gb2312()[k].codePoint, 1);
        const Run run = glimmetFont({"--unique", "--target", target, "--format", "asm", "--size",
                                     "8", "--", many + many.left(2)});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains("; 302 indexes of two bytes each, the " + text.toUtf8()),
                 run.out.right(300));
    }

    // The layout of each board, as its bytes of a glyph lit at its four corners; an OLED's at
    // 16 x 16.
    void boards_data() {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("ssd1306") << "ssd1306"
                                 << "0=01 15=01 16=80 31=80";
        QTest::newRow("sh1106") << "sh1106"
                                << "0=01 15=01 16=80 31=80";
        QTest::newRow("max7219") << "max7219"
                                 << "0=81 7=81";
        QTest::newRow("74hc595") << "74hc595"
                                 << "0=7F 1=FE 30=7F 31=FE";
        QTest::newRow("hub12") << "hub12"
                               << "0=7F 1=FE 30=7F 31=FE";
        QTest::newRow("st7920") << "st7920"
                                << "0=80 1=01 30=80 31=01";
    }

    void boards() {
        QFETCH(QString, board);
        QFETCH(QString, bytes);
        const auto found = std::find_if(Boards().begin(), Boards().end(),
                                        [&](const Board& b) { return board == b.name; });
        QVERIFY(found != Boards().end());
        Glyph glyph(found->size.isEmpty() ? QSize(16, 16) : found->size);
        const int w = glyph.width(), h = glyph.height();
        for (const QPoint pixel :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            glyph.set(pixel.x(), pixel.y());
        QCOMPARE(found->layout.bytes(glyph), blankBut(found->layout, glyph.size(), bytes));
    }

    // At a width or height that is no multiple of 8 the bits past the glyph's edge are unlit
    // in the board's polarity: a row that an active-low panel shifts out whole lights nothing
    // beside the glyph. The table's comment says what they are.
    void paddingUnlit_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("padding");  // the low four bits of every second byte
        QTest::addColumn<QString>("comment");
        const auto add = [](const char* name, const char* arguments, int padding,
                            const char* comment) {
            QTest::newRow(name) << arguments << padding << comment;
        };
        const char* row = "The last 4 bits of a row lie past the glyph's edge and are unlit: ";
        add("lit is 1", "--size 12", 0x0, row);
        add("HUB12", "--board hub12 --size 12", 0xF, row);
        add("74HC595", "--board 74hc595 --size 12", 0xF, row);
        add("negative", "--negative --size 12", 0xF, row);
        add("columns, negative", "--scan columns --negative --size 12", 0xF,
            "The last 4 bits of a column lie past the glyph's edge and are unlit: ");
    }

    void paddingUnlit() {
        QFETCH(QString, arguments);
        QFETCH(int, padding);
        QFETCH(QString, comment);
        const QStringList words = arguments.split(' ');
        const QByteArray bin = glimmetFont(words + QStringList{"--format", "bin", "亮"}).out;
        QCOMPARE(bin.size(), 24);
        for (int k = 1; k < bin.size(); k += 2) QCOMPARE(uint8_t(bin[k]) & 0x0F, padding);
        const QByteArray c = glimmetFont(words + QStringList{"亮"}).out;
        QVERIFY2(c.contains(comment.toUtf8() + (padding ? "1." : "0.")), c);
    }

    // A layout option given with --board wins, before it or after it.
    void explicitOptionWins_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("same");
        QTest::newRow("scan after") << "--board hub12 --scan columns"
                                    << "--scan columns --negative";
        QTest::newRow("scan before") << "--scan columns --board hub12"
                                     << "--scan columns --negative";
        QTest::newRow("size") << "--size 16 --board max7219"
                              << "--size 16";
        QTest::newRow("bit order") << "--lsb-first --board ssd1306"
                                   << "--scan pages --lsb-first";
        QTest::newRow("polarity") << "--board st7920 --negative"
                                  << "--negative";
        QTest::newRow("an OLED keeps the size") << "--board sh1106 --size 12"
                                                << "--scan pages -s 12";
        QTest::newRow("max7219 alone") << "--board max7219"
                                       << "--size 8";
    }

    void explicitOptionWins() {
        QFETCH(QString, arguments);
        QFETCH(QString, same);
        const auto bytes = [](const QString& options) {
            const Run run = glimmetFont(options.split(' ') + QStringList{"--format", "bin", "亮"});
            return run.status == 0 ? run.out : QByteArray();
        };
        QVERIFY(!bytes(same).isEmpty());
        QCOMPARE(bytes(arguments), bytes(same));
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
            textPictures(glimmetFont({"--strip", "--size", size, "--format", "text", text}).out)
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
        const QStringList strip = textPictures(run.out).value(0);
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
