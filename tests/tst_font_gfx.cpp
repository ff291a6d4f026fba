// glimmet-font --format gfx drawn by Adafruit GFX's own code: GFXcanvas1::print of the font's
// text, in the font's 8-bit codes, draws it as glimmet-font's own strip shows it; the header
// compiles without a warning; and what cannot be a GFX font is refused.
#include "tests/fontrun.h"
#include "tests/oracle.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program of the test's own that prints the font's text as the sketch gives it to print.
constexpr char PrintText[] = R"(#include "font.h"
#include <cstdio>
int main() { return std::fputs(font_text, stdout) < 0; }
)";

QStringList strip(const QStringList& options, const QString& text) {
    return textPictures(
               glimmetFont(options + QStringList{"--strip", "--format", "text", "--", text}).out)
        .value(0);
}

// The header compiled with every warning an error, against GFX's own include and the host's
// shim for Arduino; the font's text, or nothing with what went wrong.
QByteArray fontText(const QString& folder, QString& error) {
    QFile source(QDir(folder).filePath("print.cpp"));
    if (!source.open(QIODevice::WriteOnly) || source.write(PrintText) < 0)
        return error = source.errorString(), QByteArray();
    source.close();
    const QString oracles = QStringLiteral(GLIMMET_ORACLES_DIR);
    QProcess compiler;
    compiler.setWorkingDirectory(folder);
    compiler.start(
        QStringLiteral(ORACLE_CXX),
        {"-Wall", "-Wextra", "-Werror", "-DARDUINO=100", "-I" + oracles + "/adafruit-gfx",
         "-I" + oracles + "/adafruit-gfx/shim", "-o", "print", "print.cpp"});
    if (!compiler.waitForFinished(60000) || compiler.exitCode() != 0)
        return error = QString::fromUtf8(compiler.readAllStandardError()), QByteArray();
    QProcess print;
    print.start(QDir(folder).filePath("print"));
    print.waitForFinished(10000);
    return print.readAllStandardOutput();
}

// GB2312's characters in fonts of 128, as many as the codes from 0x80 hold.
QStringList pieces(const QString& text, int each) {
    QStringList pieces;
    for (qsizetype k = 0; k < text.size(); k += each) pieces << text.mid(k, each);
    return pieces;
}

}  // namespace

class FontGfxTest : public QObject {
    Q_OBJECT

private slots:
    void gfxDrawsTheStrip_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("firstCode");
        const QString mixed = QStringLiteral("温度 23℃ Hello");
        const QStringList gb2312 = pieces(someGb2312(500), 128);
        for (const char* size : {"12", "16", "24"}) {
            const QStringList options{"--size", size};
            QTest::addRow("mixed at %s", size) << options << mixed << "0x80";
            QTest::addRow("welcome at %s", size) << options << QStringLiteral("欢迎光临") << "0x80";
            for (qsizetype k = 0; k < gb2312.size(); ++k)
                QTest::addRow("GB2312 at %s, font %lld of %lld", size, k + 1, gb2312.size())
                    << options << gb2312[k] << "0x80";
        }
        QTest::newRow("a bitmap face")
            << QStringList{"--font", "WenQuanYi Bitmap Song", "--size", "16"} << mixed << "0x80";
        QTest::newRow("codes from 0x21, between the text's ASCII")
            << QStringList() << mixed << "0x21";
        QTest::newRow("224 hanzi from 0x20")
            << QStringList{"--size", "12"} << someGb2312(7445).mid(3000, 224) << "32";
    }

    void gfxDrawsTheStrip() {
        QFETCH(QStringList, options);
        QFETCH(QString, text);
        QFETCH(QString, firstCode);
        QTemporaryDir dir;
        const Run gfx =
            glimmetFont(options + QStringList{"--format", "gfx", "--first-code", firstCode, "-o",
                                              dir.filePath("font.h"), "--", text});
        QVERIFY2(gfx.status == 0, gfx.err);
        QString error;
        const QByteArray codes = fontText(dir.path(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const Drawing drawing = Draw(Library::Gfx, "font.h", "font", QString::fromLatin1(codes),
                                     dir.path(), int(text.size()) * 24 + 16);
        QVERIFY2(drawing.error.isEmpty(), qPrintable(drawing.error));
        QCOMPARE(Shape(drawing.rows), Shape(strip(options, text)));
    }

    // The text's ASCII keeps its codes, and the other characters take theirs in the order of
    // their first appearance.
    void codes_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("from 0x80")
            << QStringList() << QStringLiteral("温度 23℃ 温") << QByteArray("\x80\x81 23\x82 \x80");
        QTest::newRow("moved") << QStringList{"--first-code", "0xF0"} << QStringLiteral("欢迎A")
                               << QByteArray(
                                      "\xF0\xF1"
                                      "A");
        QTest::newRow("past the text's ASCII") << QStringList{"--first-code", "0x41"}
                                               << QStringLiteral("AB欢C迎") << QByteArray("ABDCE");
        QTest::newRow("ASCII alone")
            << QStringList() << QStringLiteral("a\"b\\c?") << QByteArray("a\"b\\c?");
    }

    void codes() {
        QFETCH(QStringList, options);
        QFETCH(QString, text);
        QFETCH(QByteArray, codes);
        QTemporaryDir dir;
        const Run gfx = glimmetFont(
            options + QStringList{"--format", "gfx", "-o", dir.filePath("font.h"), "--", text});
        QVERIFY2(gfx.status == 0, gfx.err);
        QString error;
        QCOMPARE(fontText(dir.path(), error), codes);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    // Each failure says what is wrong and writes nothing; the format is gfx unless a row names one.
    void failures_data() {
        failureColumns();
        const auto add = [](const QString& name, const QString& arguments, int status,
                            const QString& message) {
            QTest::newRow(qPrintable(name))
                << (arguments.contains("--format") ? arguments : "--format gfx " + arguments)
                << QByteArray() << status << message;
        };
        add("129 hanzi", "-- " + someGb2312(7445).mid(3000, 129), 1,
            "the 129 characters past U+007E do not fit in the 128 codes free from 0x80 to 0xFF; "
            "split the text into fonts of at most 128 such characters, or give a lower "
            "--first-code");
        add("two from 0xFF", "--first-code 0xff 温度", 1,
            "the 2 characters past U+007E do not fit in the 1 codes");
        add("the text's ASCII takes codes",
            "--first-code 0x7E -- ~" + someGb2312(7445).mid(3000, 130), 1,
            "the 130 characters past U+007E do not fit in the 129 codes free from 0x7E");
        add("a control code", "--first-code 0x1F A", 2,
            "--first-code: '0x1F' is not a code from 0x20 to 0xFF");
        add("past a byte", "--first-code 256 A", 2, "--first-code: '256' is not a code");
        add("no number", "--first-code x80 A", 2, "'x80' is not a code");
        for (const char* option :
             {"--scan rows", "--lsb-first", "--negative", "--target avr", "--header h.h",
              "--index unicode", "--unique", "--message", "--board ssd1306", "--db .db"})
            add(option, QString::fromLatin1(option) + " A", 2,
                QString::fromLatin1(option).section(' ', 0, 0) + " does not apply to --format gfx");
        add("--first-code with c", "--format c --first-code 0x90 A", 2,
            "--first-code does not apply to --format c: it is for --format gfx");
    }

    void failures() {
        const QString wrong = failsAsItSays();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_GUILESS_MAIN(FontGfxTest)
#include "tst_font_gfx.moc"
