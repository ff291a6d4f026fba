// The glyph printer against QPainter::drawText, pixel for pixel and advance for advance: every
// character of GB2312, of U+4E00..U+9FA5 and of printable ASCII, in each font and size it serves;
// and the texts and fonts it must leave to drawText.
#include "capture/capture.h"
#include "capture/fonts.h"
#include "capture/glyphprint.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringDecoder>
#include <QTest>

#include <cstring>

namespace {

const QString UnifontFile = QStringLiteral("/usr/share/fonts/opentype/unifont/unifont.otf");
const QString SungtiFile = QStringLiteral("/usr/share/fonts/truetype/arphic-gbsn00lp/gbsn00lp.ttf");
const QString WenQuanYiFile = QStringLiteral("/usr/share/fonts/X11/misc/wenquanyi_%1.pcf");

// GB2312's rows A1..F7 (its unassigned cells decode to private use), U+4E00..U+9FA5, ASCII.
QStringList characters() {
    QStringList texts;
    QStringDecoder gb18030("GB18030");
    for (int row = 0xA1; row <= 0xF7; ++row)
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            const char code[] = {char(row), char(cell)};
            texts << gb18030(QByteArrayView(code, 2));
        }
    for (char32_t c = 0x4E00; c <= 0x9FA5; ++c) texts << QString::fromUcs4(&c, 1);
    for (char c = 0x20; c <= 0x7E; ++c) texts << QString(QChar(c));
    return texts;
}

QSize canvasFor(const QFont& font) {
    return QSize(font.pixelSize() + 12, font.pixelSize() + 12);
}

QImage blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// What drawText draws with the text's line's top-left at the pixel.
QImage drawn(const QFont& font, QPoint origin, const QString& text) {
    QImage image = blank(canvasFor(font));
    DrawText(image, origin, text, font);
    return image;
}

// Every bit the same, alpha included.
bool same(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), 4 * a.width()) != 0) return false;
    return true;
}

}  // namespace

class GlyphPrintTest : public QObject {
    Q_OBJECT

private slots:
    void printsAsDrawText_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("every");  // compares every n-th character
        QTest::newRow("Unifont 16") << UnifontFile << PixelFont("Unifont", 16) << 1;
        const QString song = QStringLiteral("WenQuanYi Bitmap Song");
        for (auto [points, pixels] : {std::pair{9, 12}, {10, 13}, {11, 15}, {12, 16}})
            QTest::addRow("WenQuanYi Bitmap Song %d", pixels)
                << WenQuanYiFile.arg(QString::number(points) + "pt") << PixelFont(song, pixels)
                << 1;
        // The sizes the capture may use in full, every other size in a sample.
        for (int pixels = 4; pixels <= 64; ++pixels)
            QTest::addRow("AR PL SungtiL GB %d", pixels)
                << SungtiFile << PixelFont("AR PL SungtiL GB", pixels)
                << (pixels == 24 || pixels == 32 ? 1 : 29);
    }

    // Printed where the face has the character and drawText draws it from that face, and
    // advanced as Qt measures it; declined, the image untouched, for the private use cells.
    void printsAsDrawText() {
        QFETCH(QString, file);
        QFETCH(QFont, font);
        QFETCH(int, every);
        QVERIFY2(QFile::exists(file), qPrintable(file + " is not installed"));
        QCOMPARE(QFontInfo(font).family(), font.family());
        QCOMPARE(QFontInfo(font).pixelSize(), font.pixelSize());
        GlyphPrinter printer(PrintFaceOf({file, 0}, font));
        const QFontMetrics metrics(font);
        const QRawFont face = QRawFont::fromFont(font);
        const QStringList texts = characters();
        const QPoint origin(3, 5);
        QStringList wrong;
        for (qsizetype i = 0; i < texts.size(); i += every) {
            const QString& text = texts[i];
            const char32_t c = text.toUcs4().value(0);
            QImage image = blank(canvasFor(font));
            const bool printed = printer.print(image, origin, text);
            const bool expected =
                face.supportsCharacter(c) && QChar::category(c) != QChar::Other_PrivateUse;
            int advance = -1;
            if (printed) printer.ink(text, &advance);
            if (printed != expected ||
                !same(image, expected ? drawn(font, origin, text) : blank(image.size())) ||
                (printed && advance != metrics.horizontalAdvance(text)))
                wrong << QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar('0')).toUpper();
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.mid(0, 20).join(' ')));
    }

    // Glyphs partly off the image are cut at its edges as drawText cuts them; a baseline on a half
    // pixel above the top (AR PL at 62 pixels has an ascent of 54.5) rounds down the image too.
    void clipsAtTheEdges() {
        const std::pair<QString, QFont> fonts[] = {{UnifontFile, PixelFont("Unifont", 16)},
                                                   {SungtiFile, PixelFont("AR PL SungtiL GB", 62)}};
        for (const auto& [file, font] : fonts) {
            GlyphPrinter printer(PrintFaceOf({file, 0}, font));
            const int size = canvasFor(font).width();
            for (QPoint origin :
                 {QPoint(-7, -9), QPoint(size - 6, size - 9), QPoint(-3, -60), QPoint(-3, -59)})
                for (const QString text : {"国", "【", "g", "|"}) {
                    QImage image = blank(canvasFor(font));
                    QVERIFY(printer.print(image, origin, text));
                    QVERIFY2(same(image, drawn(font, origin, text)), qPrintable(text));
                }
        }
    }

    void declinesText_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("combining sequence") << QStringLiteral("e\u0301");
        QTest::newRow("lone combining mark") << QStringLiteral("\u0301");
        QTest::newRow("character missing from the face") << QStringLiteral("\U0001F600");
        QTest::newRow("private use") << QStringLiteral("\uE000");
        QTest::newRow("format character") << QStringLiteral("\u200B");
        QTest::newRow("Hebrew letter") << QStringLiteral("\u05D0");
        QTest::newRow("Thai letter") << QStringLiteral("\u0E33");
        QTest::newRow("two characters") << QStringLiteral("ab");
        QTest::newRow("nothing") << QString();
    }

    void declinesText() {
        QFETCH(QString, text);
        GlyphPrinter printer(PrintFaceOf({UnifontFile, 0}, PixelFont("Unifont", 16)));
        QImage image = blank(QSize(24, 24));
        QVERIFY(!printer.print(image, QPoint(2, 2), text));
        QVERIFY(same(image, blank(image.size())));
    }

    // Fonts Qt draws otherwise than FreeType's plain glyphs, and a face that is not the one Qt
    // draws with, print nothing at all.
    void declinesFont_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QFont>("font");
        QFont bold = PixelFont("AR PL SungtiL GB", 24), italic = bold, smooth = bold;
        bold.setBold(true);
        italic.setItalic(true);
        smooth.setStyleStrategy(QFont::PreferDefault);
        QTest::newRow("synthetic bold") << SungtiFile << bold;
        QTest::newRow("synthetic italic") << SungtiFile << italic;
        QTest::newRow("antialiased") << SungtiFile << smooth;
        QTest::newRow("larger than Qt caches") << SungtiFile << PixelFont("AR PL SungtiL GB", 65);
        QTest::newRow("another strike's file")
            << WenQuanYiFile.arg("9pt") << PixelFont("WenQuanYi Bitmap Song", 16);
        QTest::newRow("no such file") << "/nonexistent.ttf" << PixelFont("Unifont", 16);
    }

    void declinesFont() {
        QFETCH(QString, file);
        QFETCH(QFont, font);
        GlyphPrinter printer(PrintFaceOf({file, 0}, font));
        QImage image = blank(QSize(80, 80));
        QVERIFY(!printer.print(image, QPoint(2, 2), QStringLiteral("国")));
    }
};

QTEST_MAIN(GlyphPrintTest)
#include "tst_glyphprint.moc"
