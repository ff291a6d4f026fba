// The records of --index in every target's assembly: a code point in the target's byte order, or
// GB2312's bytes with ASCII's one byte after a 0, in front of the glyph of --format bin; and how
// --index, --format cfont and --message fail.
#include "tests/fontrun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The values of the data lines of an assembly listing, in either syntax: 0x7F, or 7FH and 0FCH.
QByteArray dataBytes(const QByteArray& listing) {
    static const QRegularExpression value(
        QStringLiteral("(?:0x([0-9A-F]{2})|\\b0?([0-9A-F]{2})H)(?=,|$)"));
    QByteArray bytes;
    for (const QString& line : QString::fromUtf8(listing).split('\n')) {
        if (!line.startsWith(QLatin1String("    ")) || line.trimmed().startsWith(';')) continue;
        for (const QRegularExpressionMatch& match : value.globalMatch(line))
            bytes +=
                char(match.captured(match.hasCaptured(1) && !match.captured(1).isEmpty() ? 1 : 2)
                         .toInt(nullptr, 16));
    }
    return bytes;
}

}  // namespace

class FontIndexTest : public QObject {
    Q_OBJECT

private slots:
    void records_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QByteArray>>("codes");  // of each character, in its order
        using Codes = QList<QByteArray>;
        const QString mixed = QStringLiteral("欢A");
        QTest::newRow("unicode, sdcc, the low byte first")
            << "sdcc"
            << "unicode" << mixed << Codes{"\x22\x6B", QByteArray("A\0", 2)};
        QTest::newRow("unicode, avr, the low byte first")
            << "avr"
            << "unicode" << mixed << Codes{"\x22\x6B", QByteArray("A\0", 2)};
        QTest::newRow("unicode, keil, the high byte first")
            << "keil"
            << "unicode" << mixed << Codes{"\x6B\x22", QByteArray("\0A", 2)};
        QTest::newRow("unicode, as31, the high byte first")
            << "as31"
            << "unicode" << mixed << Codes{"\x6B\x22", QByteArray("\0A", 2)};
        QTest::newRow("unicode past U+FFFF, four bytes")
            << "sdcc"
            << "unicode" << QStringLiteral("欢😀")
            << Codes{QByteArray("\x22\x6B\0\0", 4), QByteArray("\x00\xF6\x01\x00", 4)};
        QTest::newRow("unicode past U+FFFF, keil")
            << "keil"
            << "unicode" << QStringLiteral("A😀")
            << Codes{QByteArray("\0\0\0A", 4), QByteArray("\x00\x01\xF6\x00", 4)};
        QTest::newRow("ASCII under gb2312, after a 0") << "as31"
                                                       << "gb2312" << QStringLiteral("温度25℃")
                                                       << Codes{"\xCE\xC2", "\xB6\xC8",
                                                                QByteArray("\0"
                                                                           "2",
                                                                           2),
                                                                QByteArray("\0"
                                                                           "5",
                                                                           2),
                                                                "\xA1\xE6"};
        QTest::newRow("gb2312 in avr's order too, as a string holds it")
            << "avr"
            << "gb2312" << QStringLiteral("温 ") << Codes{"\xCE\xC2", QByteArray("\0 ", 2)};
    }

    void records() {
        QFETCH(QString, target);
        QFETCH(QString, index);
        QFETCH(QString, text);
        QFETCH(QList<QByteArray>, codes);
        const Run listing = glimmetFont(
            {"--format", "asm", "--target", target, "--index", index, "--size", "8", "--", text});
        QCOMPARE(listing.status, 0);
        QByteArray expected;
        qsizetype k = 0;
        for (uint point : text.toUcs4()) {
            const QString character =
                QString::fromUcs4(reinterpret_cast<const char32_t*>(&point), 1);
            expected += codes.value(k++) +
                        glimmetFont({"--format", "bin", "--size", "8", "--", character}).out;
        }
        QCOMPARE(dataBytes(listing.out).toHex(' '), expected.toHex(' '));
    }

    // Each failure says what is wrong and writes nothing. DIR is a folder of the test's own.
    void failures_data() {
        failureColumns();
        const auto add = [](const char* name, const char* arguments, int status,
                            const char* message) {
            addFailure(name, arguments, {}, status, message);
        };
        add("an assembler's C", "--format cfont --target as31 A", 2,
            "--target as31 is an assembler alone: --format cfont is C, for c, keil, sdcc or avr");
        add("a character without GB2312", "--format cfont --index gb2312 A€欢😀", 1,
            "--index gb2312: no GB2312 code for € U+20AC, 😀 U+1F600\n");
        add("a bad code set", "--format cfont --index big5 A", 2,
            "--index: 'big5' is not one of gb2312, unicode");
        add("nothing to draw", "--format cfont -- \u200B", 1,
            "--format cfont: no character has a width to draw");
        add("a message for c", "--message A", 2,
            "--message does not apply to --format c: it is for --format cfont");
        add("a message for gfx", "--format gfx --message A", 2,
            "--message does not apply to --format gfx: it is for --format cfont");
        add("a strip of a font", "--format cfont --strip A", 2,
            "--strip does not apply to --format cfont");
        add("unique in a font", "--format cfont --unique A", 2,
            "--unique does not apply to --format cfont");
        add("slots in a font", "--format cfont --slots gb2312 --charset gb2312", 2,
            "--slots does not apply to --format cfont");
        add("a directive in a font", "--format cfont --db .db A", 2,
            "--db does not apply to --format cfont");
        add("a first code in a font", "--format cfont --first-code 0x90 A", 2,
            "--first-code does not apply to --format cfont: it is for --format gfx");
        add("no folder for the header", "--format cfont --header DIR/none/f.h A", 1,
            "cannot write '");
        add("an index of several code points", "--index unicode --format asm A\xCC\x81", 1,
            "--index unicode: no code point of its own for A\xCC\x81 U+0041 U+0301\n");
    }

    void failures() {
        const QString wrong = failsAsItSays();
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_GUILESS_MAIN(FontIndexTest)
#include "tst_font_index.moc"
