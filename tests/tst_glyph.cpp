// The glyph core: a glyph's pixels and the box of its ink, and the one walk that packs its bytes
// in every layout and reads them back. Bytes are stated by hand.
#include "glyph/layout.h"
#include "tests/glyphbytes.h"

#include <QTest>

Q_DECLARE_METATYPE(Glyph)

namespace {

// A glyph of the size lit at the pixels "c,r".
Glyph drawn(QSize size, const QString& pixels) {
    Glyph glyph(size);
    for (const QString& pixel : pixels.split(' ', Qt::SkipEmptyParts)) {
        const QStringList at = pixel.split(',');
        glyph.set(at[0].toInt(), at[1].toInt());
    }
    return glyph;
}

// The top row lit, or the left column.
Glyph line(QSize size, bool row) {
    Glyph glyph(size);
    for (int k = 0; k < (row ? size.width() : size.height()); ++k)
        glyph.set(row ? k : 0, row ? 0 : k);
    return glyph;
}

QString every(int from, int to, int step, const char* value) {
    QStringList bytes;
    for (int i = from; i < to; i += step) bytes << QStringLiteral("%1=%2").arg(i).arg(value);
    return bytes.join(' ');
}

}  // namespace

class GlyphTest : public QObject {
    Q_OBJECT

private slots:
    void inkBox_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("pixels");
        QTest::addColumn<QRect>("box");
        QTest::newRow("blank") << QSize(16, 16) << "" << QRect();
        QTest::newRow("one pixel") << QSize(16, 16) << "3,5" << QRect(3, 5, 1, 1);
        QTest::newRow("corners") << QSize(12, 12) << "0,0 11,11" << QRect(0, 0, 12, 12);
        QTest::newRow("a stroke") << QSize(8, 16) << "2,3 3,3 4,3 3,9" << QRect(2, 3, 3, 7);
    }

    void inkBox() {
        QFETCH(QSize, size);
        QFETCH(QString, pixels);
        QFETCH(QRect, box);
        QCOMPARE(drawn(size, pixels).inkBox(), box);
    }

    // A glyph stands on its bottom edge and advances by its width until told otherwise; a row
    // is filled clipped to the glyph, and another glyph drawn into it clipped too.
    void fillAndDraw() {
        Glyph glyph(QSize(8, 4));
        QCOMPARE(glyph.origin, QPoint(0, 4));
        QCOMPARE(glyph.advance, 8);
        glyph.fill(1, -3, 3);
        glyph.fill(2, 6, 20);
        glyph.fill(9, 0, 8);
        QCOMPARE(glyph.inkBox(), QRect(0, 1, 8, 2));
        QVERIFY(glyph.at(2, 1) && !glyph.at(3, 1) && glyph.at(7, 2) && !glyph.at(8, 2));
        Glyph wide(QSize(4, 4));
        wide.draw(glyph, -6, 0);
        QCOMPARE(wide.inkBox(), QRect(0, 2, 2, 1));
    }

    void layouts_data() {
        QTest::addColumn<Glyph>("glyph");
        QTest::addColumn<int>("scan");
        QTest::addColumn<bool>("lsbFirst");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("bytes");
        const auto add = [](const char* name, const Glyph& glyph, Scan scan, bool lsb,
                            bool negative, const QString& bytes) {
            QTest::newRow(name) << glyph << int(scan) << lsb << negative << bytes;
        };
        const QSize s16(16, 16), s12(12, 12), s24(24, 24), s8x16(8, 16);
        const Glyph corners = drawn(s16, "0,0 15,0 0,15 15,15");
        add("corners, rows", corners, Scan::Rows, false, false, "0=80 1=01 30=80 31=01");
        add("corners, rows, lsb first", corners, Scan::Rows, true, false, "0=01 1=80 30=01 31=80");
        add("corners, columns", corners, Scan::Columns, false, false, "0=80 1=01 30=80 31=01");
        add("corners, pages", corners, Scan::Pages, false, false, "0=01 15=01 16=80 31=80");
        add("corners, pages, lsb first", corners, Scan::Pages, true, false,
            "0=80 15=80 16=01 31=01");
        add("corners, rows, negative", corners, Scan::Rows, false, true,
            "0=7F 1=FE 2=FF 30=7F 31=FE");
        add("top row, rows", line(s16, true), Scan::Rows, false, false, "0=FF 1=FF");
        add("top row, columns", line(s16, true), Scan::Columns, false, false,
            every(0, 32, 2, "80"));
        add("top row, pages", line(s16, true), Scan::Pages, false, false, every(0, 16, 1, "01"));
        add("left column, rows", line(s16, false), Scan::Rows, false, false, every(0, 32, 2, "80"));
        add("left column, columns", line(s16, false), Scan::Columns, false, false, "0=FF 1=FF");
        add("left column, pages", line(s16, false), Scan::Pages, false, false, "0=FF 16=FF");
        add("left column, pages, negative", line(s16, false), Scan::Pages, false, true,
            "0=00 16=00");
        const Glyph corners12 = drawn(s12, "0,0 11,0 0,11 11,11");
        add("12, rows", corners12, Scan::Rows, false, false, "0=80 1=10 22=80 23=10");
        add("12, rows, lsb first", corners12, Scan::Rows, true, false, "0=01 1=08 22=01 23=08");
        add("12, rows, negative", corners12, Scan::Rows, false, true, "0=7F 1=EF 22=7F 23=EF");
        add("12, rows, lsb first, negative", corners12, Scan::Rows, true, true,
            "0=FE 1=F7 22=FE 23=F7");
        add("12, columns", corners12, Scan::Columns, false, false, "0=80 1=10 22=80 23=10");
        add("12, pages", corners12, Scan::Pages, false, false, "0=01 11=01 12=08 23=08");
        add("12, pages, negative", corners12, Scan::Pages, false, true, "0=FE 11=FE 12=F7 23=F7");
        const Glyph three24 = drawn(s24, "12,0 23,23 0,23");
        add("24, rows", three24, Scan::Rows, false, false, "1=08 69=80 71=01");
        add("24, columns", three24, Scan::Columns, false, false, "2=01 36=80 71=01");
        add("24, pages", three24, Scan::Pages, false, false, "12=01 48=80 71=80");
        const Glyph three8x16 = drawn(s8x16, "7,0 0,15 3,8");
        add("8x16, rows", three8x16, Scan::Rows, false, false, "0=01 8=10 15=80");
        add("8x16, columns", three8x16, Scan::Columns, false, false, "1=01 7=80 14=80");
        add("8x16, pages", three8x16, Scan::Pages, false, false, "7=01 8=80 11=01");
    }

    // Bytes not named are those of a blank glyph; and those bytes unpack to the same pixels.
    void layouts() {
        QFETCH(Glyph, glyph);
        QFETCH(int, scan);
        QFETCH(bool, lsbFirst);
        QFETCH(bool, negative);
        QFETCH(QString, bytes);
        const Layout layout{Scan(scan), lsbFirst, negative};
        const std::vector<uint8_t> packed = layout.bytes(glyph);
        QCOMPARE(int(packed.size()), layout.byteCount(glyph.size()));
        QCOMPARE(packed, blankBut(layout, glyph.size(), bytes));
        QVERIFY(layout.glyph(packed.data(), glyph.size()).sameInk(glyph));
    }

    // The bits past a glyph's edge are unlit in the layout's polarity, whatever is lit: the
    // bytes of a 12 x 12 glyph, blank and wholly lit, each the same in every row or band.
    void paddingUnlit_data() {
        QTest::addColumn<int>("scan");
        QTest::addColumn<bool>("lsbFirst");
        QTest::addColumn<bool>("negative");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("lit");
        const auto add = [](const char* name, Scan scan, bool lsb, bool negative, const char* blank,
                            const char* lit) {
            QTest::newRow(name) << int(scan) << lsb << negative << blank << lit;
        };
        add("rows", Scan::Rows, false, false, "0000", "fff0");
        add("rows, negative", Scan::Rows, false, true, "ffff", "000f");
        add("rows, lsb first", Scan::Rows, true, false, "0000", "ff0f");
        add("rows, lsb first, negative", Scan::Rows, true, true, "ffff", "00f0");
        add("columns, negative", Scan::Columns, false, true, "ffff", "000f");
        add("pages", Scan::Pages, false, false, "0000", "ff0f");
        add("pages, negative", Scan::Pages, false, true, "ffff", "00f0");
        add("pages, lsb first, negative", Scan::Pages, true, true, "ffff", "000f");
    }

    void paddingUnlit() {
        QFETCH(int, scan);
        QFETCH(bool, lsbFirst);
        QFETCH(bool, negative);
        QFETCH(QString, blank);
        QFETCH(QString, lit);
        const Layout layout{Scan(scan), lsbFirst, negative};
        const QSize size(12, 12);
        Glyph full(size);
        for (int r = 0; r < 12; ++r) full.fill(r, 0, 12);
        // Rows and columns repeat their two bytes; pages repeat a band of 12 bytes.
        const auto repeated = [&](const QString& pair) {
            const QByteArray two = QByteArray::fromHex(pair.toLatin1());
            if (scan == int(Scan::Pages))
                return two.left(1).repeated(12) + two.right(1).repeated(12);
            return two.repeated(12);
        };
        const auto packed = [&](const Glyph& glyph) {
            const std::vector<uint8_t> bytes = layout.bytes(glyph);
            return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        };
        QCOMPARE(packed(Glyph(size)), repeated(blank));
        QCOMPARE(packed(full), repeated(lit));
        QVERIFY(layout.glyph(layout.bytes(full).data(), size).sameInk(full));
    }
};

QTEST_GUILESS_MAIN(GlyphTest)
#include "tst_glyph.moc"
