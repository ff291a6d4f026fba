// glimmet-font --format bdf read back through FreeType: each glyph's bitmap, where it stands from
// the pen's origin and its advance are the capture's own, in the default faces and a bitmap face.
#include "font/characters.h"
#include "font/glyphs.h"
#include "font/typeface.h"
#include "tests/fontrun.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// The lit pixels of a glyph as (x right of the pen's origin, y up from the baseline).
using Pixels = QSet<QPair<int, int>>;

Pixels captured(const Glyph& glyph) {
    Pixels pixels;
    for (int r = 0; r < glyph.height(); ++r)
        for (int c = 0; c < glyph.width(); ++c)
            if (glyph.at(c, r)) pixels.insert({c - glyph.origin.x(), glyph.origin.y() - 1 - r});
    return pixels;
}

Pixels rendered(const FT_GlyphSlot slot) {
    Pixels pixels;
    const FT_Bitmap& bitmap = slot->bitmap;
    for (unsigned y = 0; y < bitmap.rows; ++y)
        for (unsigned x = 0; x < bitmap.width; ++x)
            if (bitmap.buffer[y * bitmap.pitch + x / 8] & (0x80 >> x % 8))
                pixels.insert({slot->bitmap_left + int(x), slot->bitmap_top - 1 - int(y)});
    return pixels;
}

}  // namespace

class FontBdfTest : public QObject {
    Q_OBJECT

private slots:
    void readBack_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("text");
        const QString mixed = QStringLiteral("温度 23℃ Hello");
        for (const int size : {12, 16, 24}) {
            QTest::addRow("mixed at %d", size) << size << QString() << mixed;
            QTest::addRow("welcome at %d", size) << size << QString() << QStringLiteral("欢迎光临");
            QTest::addRow("500 of GB2312 at %d", size) << size << QString() << SomeGb2312(500);
        }
        QTest::newRow("a bitmap face at 16") << 16 << "WenQuanYi Bitmap Song" << mixed;
    }

    void readBack() {
        QFETCH(int, size);
        QFETCH(QString, font);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath("font.bdf");
        QStringList arguments{"--format", "bdf", "--size", QString::number(size), "-o", path};
        if (!font.isEmpty()) arguments << "--font" << font;
        const Run run = glimmetFont(arguments << "--" << text);
        QCOMPARE(run.status, 0);

        Typeface face;
        QVERIFY(FindTypeface(font.isEmpty() ? DefaultFamily(size) : font, size, face).ok());
        Characters characters;
        characters.addText(text);
        const std::vector<Glyph> glyphs =
            CaptureAll(characters.distinct, face.setup(), QSize(0, size), true);

        FT_Library library;
        FT_Face bdf;
        QCOMPARE(FT_Init_FreeType(&library), 0);
        QCOMPARE(FT_New_Face(library, QFile::encodeName(path).constData(), 0, &bdf), 0);
        QCOMPARE(bdf->num_glyphs, FT_Long(characters.distinct.size() + 1));  // and .notdef
        QCOMPARE(FT_Select_Size(bdf, 0), 0);
        for (size_t i = 0; i < characters.distinct.size(); ++i) {
            const char32_t code = characters.distinct[i].toUcs4().front();
            QCOMPARE(FT_Load_Char(bdf, code, FT_LOAD_RENDER | FT_LOAD_MONOCHROME), 0);
            QCOMPARE(bdf->glyph->advance.x >> 6, glyphs[i].advance);
            if (rendered(bdf->glyph) != captured(glyphs[i]))
                QFAIL(qPrintable(characters.distinct[i]));
        }
        FT_Done_Face(bdf);
        FT_Done_FreeType(library);
    }
};

QTEST_MAIN(FontBdfTest)
#include "tst_font_bdf.moc"
