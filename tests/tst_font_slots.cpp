// glimmet-font's slot files: HZK16, HZK12, HZK24S and ASC16 written and read back slot for slot,
// vendors' longer files read whole, every slot with ink or a character coming back by its code,
// HZK24's columns stated by hand, HZK16's symbols full-width, and what has no slot.
#include "font/charsets.h"
#include "tests/fontrun.h"

#include <QTest>

namespace {

// A 16 x 16 slot file of so many slots, unlit but for the first pixel of the slots at the codes.
QByteArray hzk16(int count, const QList<int>& inked) {
    QByteArray file(count * 32, '\0');
    for (int code : inked)
        file[((code >> 8) - 0xA1) * 94 * 32 + ((code & 0xFF) - 0xA1) * 32] = char(0x80);
    return file;
}

// The pictures of a --format text table by their headings.
QMap<QString, QStringList> picturesByHeading(const QByteArray& text) {
    QMap<QString, QStringList> pictures;
    for (const QString& block : QString::fromUtf8(text).split("\n\n", Qt::SkipEmptyParts))
        pictures.insert(block.section('\n', 0, 0), block.split('\n').mid(1));
    return pictures;
}

// A glyph of the size for --from text, lit at the pixels (column, row).
QByteArray drawn(const QByteArray& heading, int size, const QList<QPoint>& lit) {
    QList<QByteArray> rows(size, QByteArray(size, '.'));
    for (const QPoint pixel : lit) rows[pixel.y()][pixel.x()] = '#';
    return heading + '\n' + rows.join('\n') + "\n\n";
}

}  // namespace

class FontSlotsTest : public QObject {
    Q_OBJECT

    // HZK16's pictures by their headings, "U+2500 ─".
    QMap<QString, QStringList> hzk16_;

    QStringList inHzk16(const QString& character) const {
        return hzk16_.value(QStringLiteral("U+%1 ")
                                .arg(character.front().unicode(), 4, 16, QLatin1Char('0'))
                                .toUpper() +
                            character);
    }

private slots:
    void initTestCase() {
        Files files;
        const Run file = glimmetFont({"--charset", "gb2312", "--format", "bin"});
        hzk16_ = picturesByHeading(glimmetFont({"--from", "bin", "--charset", "gb2312", "-i",
                                                files.write("HZK16", file.out), "--format", "text"})
                                       .out);
        QCOMPARE(hzk16_.size(), 7445);
    }

    // A slot file reads back as every character of its set, blank ones too (the ideographic
    // space of A1A1, ASCII's space), each from its own slot; its text writes the same bytes.
    void slotFiles_data() {
        QTest::addColumn<QStringList>("slotFile");  // how the file is written and read
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("glyphs");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("HZK16") << QStringList{"--charset", "gb2312"} << "16" << 261696 << 7445
                               << "U+3000 \u3000"
                               << "U+9F44 齄";
        QTest::newRow("HZK12") << QStringList{"--charset", "gb2312"} << "12" << 196272 << 7445
                               << "U+3000 \u3000"
                               << "U+9F44 齄";
        QTest::newRow("HZK24S") << QStringList{"--slots", "hzk24"} << "24" << 487296 << 6763
                                << "U+554A 啊"
                                << "U+9F44 齄";
        QTest::newRow("ASC16") << QStringList{"--charset", "ascii"} << "8x16" << 4096 << 95
                               << "U+0020  "
                               << "U+007E ~";
    }

    void slotFiles() {
        QFETCH(QStringList, slotFile);
        QFETCH(QString, size);
        QFETCH(int, bytes);
        QFETCH(int, glyphs);
        QFETCH(QString, first);
        QFETCH(QString, last);
        Files files;
        const QStringList sized = slotFile + QStringList{"--size", size};
        const QStringList charset =
            slotFile.contains("--slots") ? QStringList{"--charset", "gb2312"} : QStringList{};
        const Run file = glimmetFont(sized + charset + QStringList{"--format", "bin"});
        QCOMPARE(file.out.size(), bytes);
        const Run read =
            glimmetFont(sized + QStringList{"--from", "bin", "-i", files.write("slots", file.out),
                                            "--format", "text"});
        QCOMPARE(read.status, 0);
        const QStringList blocks = QString::fromUtf8(read.out).split("\n\n", Qt::SkipEmptyParts);
        QCOMPARE(blocks.size(), glyphs);
        QCOMPARE(blocks.front().section('\n', 0, 0), first);
        QCOMPARE(blocks.back().section('\n', 0, 0), last);
        // And back into its slots, byte for byte, at the size of the text's glyphs.
        const Run back =
            glimmetFont(slotFile + QStringList{"--from", "text", "-i",
                                               files.write("t.txt", read.out), "--format", "bin"});
        QCOMPARE(back.err, QByteArray());
        QCOMPARE(back.out, file.out);
    }

    // A vendor's HZK16 may be longer than GB2312's 87 rows, up to 94; a slot past them, or one
    // that GB2312 leaves unassigned, comes back by its code when it holds ink, and writes back
    // into a file of rows enough for it.
    void vendorFiles_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("inked");
        QTest::addColumn<int>("written");  // slots
        QTest::newRow("267,616 bytes") << 8363 << QList<int>{0xF8A1, 0xF9FB} << 89 * 94;
        QTest::newRow("94 x 94") << 94 * 94 << QList<int>{0xFEFE} << 94 * 94;
        QTest::newRow("an unassigned slot") << 87 * 94 << QList<int>{0xA2A1, 0xA9FE} << 87 * 94;
        QTest::newRow("a short file") << 100 << QList<int>{0xA2A1} << 87 * 94;
    }

    void vendorFiles() {
        QFETCH(int, count);
        QFETCH(QList<int>, inked);
        QFETCH(int, written);
        Files files;
        const QByteArray file = hzk16(count, inked);
        const Run read = glimmetFont({"--from", "bin", "--charset", "gb2312", "-i",
                                      files.write("HZK16", file), "--format", "text"});
        QCOMPARE(read.err, QByteArray());
        const QMap<QString, QStringList> pictures = picturesByHeading(read.out);
        for (int code : inked) {
            const QString heading = QStringLiteral("# GB2312 %1").arg(code, 4, 16).toUpper();
            QVERIFY2(pictures.value(heading).value(0).startsWith("#."), qPrintable(heading));
        }
        const Run back = glimmetFont({"--from", "text", "--charset", "gb2312", "-i",
                                      files.write("t.txt", read.out), "--format", "bin"});
        QCOMPARE(back.err, QByteArray());
        QCOMPARE(back.out, hzk16(written, inked));
    }

    // HZK24S holds the hanzi from B0A1 at offset 0, 72 bytes a glyph: its 24 columns from the
    // left, each as three bytes from the top, the top pixel in bit 7.
    void hzk24ByHand() {
        Files files;
        const QByteArray text =
            drawn("U+554A 啊", 24, {{1, 9}}) + drawn("U+9F44 齄", 24, {{23, 0}});
        const Run file = glimmetFont({"--from", "text", "-i", files.write("in.txt", text),
                                      "--slots", "hzk24", "--format", "bin"});
        QCOMPARE(file.err, QByteArray());
        QByteArray expected(72 * 94 * 72, '\0');
        expected[1 * 3 + 1] = char(0x40);
        expected[(72 * 94 - 1) * 72 + 23 * 3] = char(0x80);
        QCOMPARE(file.out, expected);
        const Run read = glimmetFont({"--from", "bin", "--slots", "hzk24", "-i",
                                      files.write("HZK24S", file.out), "--format", "text"});
        const QMap<QString, QStringList> pictures = picturesByHeading(read.out);
        QCOMPARE(pictures.size(), 6763);
        QCOMPARE(pictures.value("U+554A 啊"), textPictures(text).value(0));
        QCOMPARE(pictures.value("U+9F44 齄"), textPictures(text).value(1));
    }

    // Captured: each hanzi as --scan columns gives it at 24, the same from the hanzi alone; the
    // C table holds the same slots and says how to find one.
    void hzk24Captured() {
        const QStringList hzk24{"--slots", "hzk24", "--format", "bin"};
        const QByteArray file = glimmetFont(QStringList{"--charset", "gb2312"} + hzk24).out;
        QCOMPARE(file.size(), 487296);
        QCOMPARE(file.left(72),
                 glimmetFont({"--size", "24", "--scan", "columns", "--format", "bin", "啊"}).out);
        QCOMPARE(glimmetFont(QStringList{"--charset", "gb2312-hanzi"} + hzk24).out, file);
        const Run c = glimmetFont({"--charset", "gb2312-hanzi", "--slots", "hzk24"});
        QVERIFY(
            c.out.contains("\n * 72 rows of 94 slots: the glyph of GB2312 code (hi, lo) is "
                           "number (hi - 0xB0) * 94 + (lo - 0xA1); unused slots are blank. */\n"));
        QVERIFY(c.out.contains("\nstatic const unsigned char glyphs[6768][72] = {\n"));
        QVERIFY(c.out.contains("    /* GB2312 D7FA, no character */\n"));
    }

    // Unifont draws box drawing half-width; in HZK16 its lines reach both sides of the cell and
    // meet in one row and one column, so that frames join: each character is its arms from the
    // crossing of ─'s row and │'s column.
    void framesJoin_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("arms");  // left, right, up, down
        for (const auto& [character, arms] : {std::pair{"─", "lr"},
                                              {"│", "ud"},
                                              {"┌", "rd"},
                                              {"┐", "ld"},
                                              {"└", "ru"},
                                              {"┘", "lu"},
                                              {"├", "rud"},
                                              {"┤", "lud"},
                                              {"┬", "lrd"},
                                              {"┴", "lru"},
                                              {"┼", "lrud"}})
            QTest::newRow(character) << QString::fromUtf8(character) << arms;
    }

    void framesJoin() {
        QFETCH(QString, character);
        QFETCH(QString, arms);
        const int row = int(inHzk16("─").indexOf(QString(16, '#')));
        const int column = int(inHzk16("│").value(0).indexOf('#'));
        QVERIFY(row > 0 && column > 0);
        QStringList expected(16, QString(16, '.'));
        for (int c = arms.contains('l') ? 0 : column; c <= (arms.contains('r') ? 15 : column); ++c)
            expected[row][c] = '#';
        for (int r = arms.contains('u') ? 0 : row; r <= (arms.contains('d') ? 15 : row); ++r)
            expected[r][column] = '#';
        QCOMPARE(inHzk16(character), expected);
    }

    // Every other symbol Unifont draws half-width stands centred in its cell, a column to spare
    // at most; only the punctuation that a full-width face sets on the left stays there.
    void symbolsCentred() {
        QString leftHalf;
        for (const CharsetEntry& entry : Gb2312()) {
            const QString character = QString::fromUcs4(&entry.codePoint, 1);
            const QStringList rows = inHzk16(character);
            if (entry.gb2312 >= 0xB0A1 || !rows.join("").contains('#')) continue;
            int left = 16, right = 16;
            for (const QString& row : rows) {
                if (!row.contains('#')) continue;
                left = std::min(left, int(row.indexOf('#')));
                right = std::min(right, int(15 - row.lastIndexOf('#')));
            }
            if (right >= 8)
                leftHalf += character;
            else if (QString("○→Αα±ЖЯ★√").contains(character))
                QVERIFY2(std::abs(left - right) <= 1, qPrintable(character));
        }
        QCOMPARE(leftHalf, QStringLiteral("、。〕〉」】"));
    }

    // The default faces draw box drawing full-width at 12 and 24 pixels, and the slot file holds
    // it as captured; WenQuanYi's pinyin letters and ¨±×÷°§ at 12 are half-width, and centred.
    // The table's comment says how many symbols were widened.
    void widenedOnlyWhereHalfWidth_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("widened");
        QTest::addColumn<bool>("boxAsCaptured");
        QTest::newRow("16") << "16" << 297 << false;
        QTest::newRow("12") << "12" << 32 << true;
        QTest::newRow("24") << "24" << 0 << true;
    }

    void widenedOnlyWhereHalfWidth() {
        QFETCH(QString, size);
        QFETCH(int, widened);
        QFETCH(bool, boxAsCaptured);
        const QStringList sized{"--size", size};
        const QByteArray file =
            glimmetFont(sized + QStringList{"--charset", "gb2312", "--format", "bin"}).out;
        const QByteArray line = glimmetFont(sized + QStringList{"--format", "bin", "─"}).out;
        QCOMPARE(file.mid((8 * 94 + 3) * line.size(), line.size()) == line, boxAsCaptured);
        const QByteArray assembly =
            glimmetFont(sized +
                        QStringList{"--charset", "gb2312", "--slots", "gb2312", "--format", "asm"})
                .out;
        const QByteArray said =
            " symbols it draws half-width stand in the middle of their slots, "
            "box drawing's strokes running on to the slots' sides.\n";
        QCOMPARE(assembly.contains(said), widened > 0);
        if (widened) QVERIFY(assembly.contains("\n; " + QByteArray::number(widened) + said));
    }

    // What has no slot, and files no slot file holds: an input failure, and nothing written.
    void slotFaults_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QByteArray box = "# box\n####\n#..#\n#..#\n####\n";
        const auto add = [](const char* name, const QByteArray& input, const QStringList& arguments,
                            const char* message) {
            QTest::newRow(name) << input << arguments << QString::fromUtf8(message);
        };
        add("a named glyph in HZK16", box,
            {"--from", "text", "--charset", "gb2312", "--format", "bin"},
            "box has no place in the 94 x 94 slots of GB2312 from A1A1");
        add("a symbol in HZK24", "U+3001 、\n####\n#..#\n#..#\n####\n",
            {"--from", "text", "--slots", "hzk24", "--format", "bin"},
            "、 U+3001 has no place in the 79 x 94 slots of GB2312 from B0A1");
        add("past 94 x 94", QByteArray(8837 * 32, '\0'), {"--from", "bin", "--charset", "gb2312"},
            "8837 glyphs do not fit in the 94 x 94 slots of GB2312 from A1A1 (room for 8836)");
        add("past HZK24's rows", QByteArray(7427 * 72, '\0'), {"--from", "bin", "--slots", "hzk24"},
            "7427 glyphs do not fit in the 79 x 94 slots of GB2312 from B0A1 (room for 7426)");
        add("a partial slot", QByteArray(267616 + 5, '\0'),
            {"--from", "bin", "--charset", "gb2312"},
            "267621 bytes are no whole number of glyphs of 16 x 16 pixels, 32 bytes each: 5 bytes "
            "are left over");
    }

    void slotFaults() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        Files files;
        const QString out = files.path("out");
        const Run run =
            glimmetFont(arguments + QStringList{"-i", files.write("in", input), "-o", out});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("glimmet-font: ") && run.err.contains(message.toUtf8()),
                 run.err);
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_GUILESS_MAIN(FontSlotsTest)
#include "tst_font_slots.moc"
