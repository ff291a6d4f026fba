// glimmet-font at sizes other than the window's: the layouts of W x H glyphs stated by hand, the
// half-width and bitmap faces, the classic slot files, the errors, and every glyph of GB2312
// captured together as one by one.
#include "font/charsets.h"
#include "font/glyphs.h"
#include "font/typeface.h"
#include "tests/fontrun.h"

#include <QTest>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// The character as drawText draws it in the face, sampled as the window samples its print: the
// glyphs' reference, whatever prints them faster.
Glyph drawnByQt(const Typeface& face, const QString& character, QSize size) {
    const int margin = face.font.pixelSize();
    QImage canvas(size + 2 * QSize(margin, margin), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    DrawText(canvas, QPoint(margin, margin - face.emTop), character, face.font);
    return SampleGlyph(canvas, QRect(QPoint(margin, margin), size));
}

const QString WenQuanYi12 = QStringLiteral("/usr/share/fonts/X11/misc/wenquanyi_9pt.pcf");

}  // namespace

class FontSizesTest : public QObject {
    Q_OBJECT

private slots:
    void halfWidthIsTheLeftHalf() {
        const auto half = textPictures(glimmetFont({"--size", "8x16", "-f", "text", "Ag"}).out);
        const auto full = textPictures(glimmetFont({"-f", "text", "Ag"}).out);
        QCOMPARE(half.size(), 2);
        for (int k = 0; k < 2; ++k) {
            QStringList left = full[k];
            for (QString& row : left) row.truncate(8);
            QCOMPARE(half[k], left);
        }
    }

    // WenQuanYi's ideographs stand from 10 pixels above the baseline of its 12-pixel face to 2
    // below it: the em, whose top row is the glyph's.
    void bitmapFaceAsItsOwnBitmap_data() {
        QTest::addColumn<QString>("character");
        for (const char* character : {"啊", "国", "A", "g", "齄"})
            QTest::newRow(character) << QString::fromUtf8(character);
    }

    void bitmapFaceAsItsOwnBitmap() {
        QFETCH(QString, character);
        FT_Library library;
        FT_Face face;
        QCOMPARE(FT_Init_FreeType(&library), 0);
        QCOMPARE(FT_New_Face(library, QFile::encodeName(WenQuanYi12).constData(), 0, &face), 0);
        QCOMPARE(FT_Load_Char(face, character.toUcs4().front(), FT_LOAD_RENDER), 0);
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        QStringList rows(12, QString(12, '.'));
        for (unsigned y = 0; y < bitmap.rows; ++y)
            for (unsigned x = 0; x < bitmap.width; ++x)
                if (bitmap.buffer[y * bitmap.pitch + x / 8] & (0x80 >> x % 8))
                    rows[10 - face->glyph->bitmap_top + int(y)][face->glyph->bitmap_left + int(x)] =
                        '#';
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        const Run run = glimmetFont({"--size", "12", "-f", "text", character});
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(textPictures(run.out), QList<QStringList>{rows});
    }

    void slotFiles_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("charset");
        QTest::addColumn<int>("slotCount");
        QTest::addColumn<int>("bytes");
        QTest::newRow("HZK12") << "12"
                               << "gb2312" << 87 * 94 << 24;
        QTest::newRow("HZK24") << "24"
                               << "gb2312" << 87 * 94 << 72;
        QTest::newRow("ASC16") << "8x16"
                               << "ascii" << 256 << 16;
        QTest::newRow("ASC12") << "8x12"
                               << "ascii" << 256 << 12;
    }

    // Each character at the slot of its code, unused slots blank, padding bits 0.
    void slotFiles() {
        QFETCH(QString, size);
        QFETCH(QString, charset);
        QFETCH(int, slotCount);
        QFETCH(int, bytes);
        const QByteArray file =
            glimmetFont({"--charset", charset, "--size", size, "--format", "bin"}).out;
        QCOMPARE(file.size(), slotCount * bytes);
        const bool gb2312 = charset == "gb2312";
        const auto slot = [&](int index) { return file.mid(index * bytes, bytes); };
        const auto glyph = [&](const char* character) {
            return glimmetFont({"--size", size, "--format", "bin", character}).out;
        };
        QCOMPARE(slot(gb2312 ? (0xB0 - 0xA1) * 94 : 'A'), glyph(gb2312 ? "啊" : "A"));
        QCOMPARE(slot(gb2312 ? 86 * 94 + 93 : '~'), glyph(gb2312 ? "齄" : "~"));
        QCOMPARE(slot(gb2312 ? (0xAA - 0xA1) * 94 : 0x7F), QByteArray(bytes, 0));
        if (size == "12") {
            for (int i = 1; i < file.size(); i += 2) QCOMPARE(file[i] & 0x0F, 0);
        }
    }

    void failures_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto add = [](const char* name, const QStringList& arguments, int status,
                            const char* message) {
            QTest::newRow(name) << arguments << status << QString::fromUtf8(message);
        };
        const char* range = "is not N or WxH with each from 4 to 64";
        add("size too small", {"--size", "3"}, 2, range);
        add("size too wide", {"--size", "65x16"}, 2, range);
        add("size without a height", {"--size", "16x"}, 2, range);
        add("bad shift", {"--shift", "1,2,3"}, 2, "--shift: '1,2,3' is not DY or DX,DY");
        add("unknown family", {"--font", "No Such Face"}, 1,
            "--font: no font family 'No Such Face' is installed\n");
        add("a mistyped family", {"--font", "wenquanyi bitmap sogn", "--size", "12"}, 1,
            "no font family 'wenquanyi bitmap sogn' is installed; did you mean WenQuanYi Bitmap "
            "Song?");
        add("no such file", {"--font", "/none/face.ttf"}, 1, "no such font file '/none/face.ttf'");
        add("a file that is no font", {"--font", QStringLiteral(GLIMMET_FONT)}, 1,
            "is not a font file");
        add("no strike at the size", {"--font", "WenQuanYi Bitmap Song", "--size", "24"}, 1,
            "'WenQuanYi Bitmap Song' is a bitmap font with no size of 24 pixels; its sizes: 12, "
            "13, 14, 15, 16");
        add("a strike's file at another size", {"--font", WenQuanYi12}, 1,
            "with no size of 16 pixels; its sizes: 12");
    }

    void failures() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run run = glimmetFont(arguments << "A");
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QCOMPARE(run.out, QByteArray());
    }

    // A font file draws from its own face, whose name the header gives: a family's bold or
    // light file is not matched back to its regular face.
    void faceOfAFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("inkAgainstBook");  // more, the same or less than the Book face's
        const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans%1.ttf");
        QTest::newRow("Book") << dejavu.arg("") << "DejaVu Sans Book" << 0;
        QTest::newRow("Bold") << dejavu.arg("-Bold") << "DejaVu Sans Bold" << 1;
        QTest::newRow("ExtraLight") << dejavu.arg("-ExtraLight") << "DejaVu Sans ExtraLight" << -1;
    }

    void faceOfAFile() {
        QFETCH(QString, file);
        QFETCH(QString, face);
        QFETCH(int, inkAgainstBook);
        const auto ink = [](const QByteArray& text) { return int(text.count('#')); };
        const QStringList text{"--size", "24", "--format", "text", "ABCgx"};
        const Run book = glimmetFont(QStringList{"--font", "DejaVu Sans"} + text);
        const Run run = glimmetFont(QStringList{"--font", file} + text);
        QCOMPARE(run.status, 0);
        QCOMPARE(ink(run.out) > ink(book.out), inkAgainstBook > 0);
        QCOMPARE(ink(run.out) < ink(book.out), inkAgainstBook < 0);
        const QByteArray header = glimmetFont({"--font", file, "--size", "24", "A"}).out;
        QVERIFY2(header.startsWith("/* Made by glimmet-font " GLIMMET_VERSION " from " +
                                   face.toUtf8() + " at 24 pixels") &&
                     header.contains("\n * Font file: " + file.toUtf8() + "\n"),
                 header);
    }

    // Every GB2312 character in each default face, captured together as the command does,
    // equals drawText's, and none is cut by its square: the whole set at 16, the hanzi at the
    // other sizes.
    void wholeGb2312AsDrawn_data() {
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(16, 16), QSize(12, 12), QSize(13, 13), QSize(15, 15),
                                 QSize(8, 16), QSize(24, 24), QSize(32, 32)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
                << size;
    }

    void wholeGb2312AsDrawn() {
        QFETCH(QSize, size);
        std::vector<QString> characters;
        std::vector<bool> hanzi;
        for (const CharsetEntry& entry : Gb2312())
            if (size == QSize(16, 16) || entry.gb2312 >= 0xB0A1) {
                characters.push_back(QString::fromUcs4(&entry.codePoint, 1));
                hanzi.push_back(entry.gb2312 >= 0xB0A1);
            }
        Typeface face;
        const Diagnostic found = FindTypeface(DefaultFamily(size.height()), size.height(), face);
        QVERIFY2(found.ok(), qPrintable(found.message));
        std::vector<char> cut;
        const std::vector<Glyph> together = CaptureAll(characters, face.setup(), size, false, &cut);
        for (size_t i = 0; i < characters.size(); ++i) {
            if (!drawnByQt(face, characters[i], size).sameInk(together[i]))
                QFAIL(qPrintable(characters[i]));
            QVERIFY2(!cut[i] || !hanzi[i] || size.width() < size.height(),
                     qPrintable(characters[i]));
        }
    }
};

QTEST_MAIN(FontSizesTest)
#include "tst_font_sizes.moc"
