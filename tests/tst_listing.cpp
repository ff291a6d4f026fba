// The code listing: byte packing in both scan orders, the C and assembly text, the refresh on
// every option click, and proof that the text is source code that real tools accept.
#include "grid/colours.h"
#include "listing/listingtext.h"
#include "tests/support.h"

#include <QClipboard>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>

namespace {

QList<int> hexBytes(const char* text) {
    QList<int> bytes;
    for (const QString& b : QString::fromLatin1(text).split(' ')) bytes << b.toInt(nullptr, 16);
    return bytes;
}

QString lines(std::initializer_list<const char*> texts) {
    QString listing;
    for (const char* line : texts) listing += QLatin1String(line) + QLatin1String("\r\n");
    return listing;
}

// Chooses syntax and scan order the way a user does: a mouse click on each option button.
void choose(Form1& form, bool c, bool across) {
    QTest::mouseClick(c ? form.OptC : form.OptR, Qt::LeftButton);
    QTest::mouseClick(across ? form.OpX : form.OpY, Qt::LeftButton);
}

const QString startUpListing =
    lines({"00H,40H,41H,82H", "41H,02H,41H,04H", "5DH,08H,55H,70H", "55H,40H,0D5H,40H",
           "55H,40H,55H,7CH", "5DH,02H,41H,02H", "41H,42H,43H,82H", "01H,0EH,00H,00H"});

QPoint inForm(Form1& form, QWidget* widget, QPoint pixel) {
    return widget->mapTo(&form, pixel);
}

// A press, a move with the button held, and the release there, all through the window.
void drag(Form1& form, QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, inForm(form, widget, from));
    QTest::mouseMove(form.windowHandle(), inForm(form, widget, to));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, inForm(form, widget, to));
}

}  // namespace

class ListingTest : public QObject {
    Q_OBJECT

private slots:
    void valueText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("assembly");
        QTest::newRow("zero") << 0 << "0x00"
                              << "00H";
        QTest::newRow("ten") << 10 << "0x0A"
                             << "0AH";
        QTest::newRow("0x7F") << 0x7F << "0x7F"
                              << "7FH";
        QTest::newRow("0x9F, digit first") << 0x9F << "0x9F"
                                           << "9FH";
        QTest::newRow("0xA0, letter first") << 0xA0 << "0xA0"
                                            << "0A0H";
        QTest::newRow("0xD5") << 0xD5 << "0xD5"
                              << "0D5H";
        QTest::newRow("0xFF") << 0xFF << "0xFF"
                              << "0FFH";
    }

    void valueText() {
        QFETCH(int, value);
        QFETCH(QString, c);
        QFETCH(QString, assembly);
        QCOMPARE(ValueText(uint8_t(value), Syntax::C), c);
        QCOMPARE(ValueText(uint8_t(value), Syntax::Assembly), assembly);
    }

    void startUpListing() {
        LoadedForm form;
        QCOMPARE(form->Texled(0)->Text(), ::startUpListing);
    }

    void defaultGridBytes_data() {
        QTest::addColumn<bool>("across");
        QTest::addColumn<QList<int>>("bytes");
        QTest::newRow("across rows") << true
                                     << hexBytes(
                                            "01 00 7F FC 00 00 0F E0 08 20 0F E0 00 04 7F FE "
                                            "40 04 87 C8 04 40 04 40 08 42 10 42 60 3E 00 00");
        QTest::newRow("down columns") << false
                                      << hexBytes(
                                             "00 40 41 82 41 02 41 04 5D 08 55 70 55 40 D5 40 "
                                             "55 40 55 7C 5D 02 41 02 41 42 43 82 01 0E 00 00");
    }

    void defaultGridBytes() {
        QFETCH(bool, across);
        QFETCH(QList<int>, bytes);
        for (bool c : {true, false}) {
            LoadedForm form;
            choose(*form.form, c, across);
            QCOMPARE(ListingBytes(form->Texled(0)->Text()), bytes);
        }
    }

    void defaultGridInC() {
        LoadedForm form;
        choose(*form.form, true, true);
        QCOMPARE(form->Texled(0)->Text(),
                 lines({"0x01,0x00,0x7F,0xFC", "0x00,0x00,0x0F,0xE0", "0x08,0x20,0x0F,0xE0",
                        "0x00,0x04,0x7F,0xFE", "0x40,0x04,0x87,0xC8", "0x04,0x40,0x04,0x40",
                        "0x08,0x42,0x10,0x42", "0x60,0x3E,0x00,0x00"}));
    }

    // One lit cell lands in one byte, at the bit its place gives.
    void corners_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("across");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("value");
        QTest::newRow("top-left, across") << 0 << 15 << true << 0 << 0x80;
        QTest::newRow("top-left, down") << 0 << 15 << false << 0 << 0x80;
        QTest::newRow("top-right, across") << 15 << 15 << true << 1 << 0x01;
        QTest::newRow("top-right, down") << 15 << 15 << false << 30 << 0x80;
        QTest::newRow("bottom-left, across") << 0 << 0 << true << 30 << 0x80;
        QTest::newRow("bottom-left, down") << 0 << 0 << false << 1 << 0x01;
        QTest::newRow("bottom-right, across") << 15 << 0 << true << 31 << 0x01;
        QTest::newRow("bottom-right, down") << 15 << 0 << false << 31 << 0x01;
    }

    void corners() {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, across);
        QFETCH(int, index);
        QFETCH(int, value);
        LoadedForm form;
        choose(*form.form, false, across);
        LightOneCell(*form.form, column, row);
        QList<int> expected(32, 0);
        expected[index] = value;
        QCOMPARE(ListingBytes(form->Texled(0)->Text()), expected);
    }

    void wholeGrid_data() {
        QTest::addColumn<int32_t>("colour");
        QTest::addColumn<bool>("c");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("length");
        QTest::newRow("all lit, C") << LitColour << true << "0xFF,0xFF,0xFF,0xFF" << 168;
        QTest::newRow("all lit, assembly") << LitColour << false << "0FFH,0FFH,0FFH,0FFH" << 168;
        QTest::newRow("all unlit, C") << UnlitColour << true << "0x00,0x00,0x00,0x00" << 168;
        QTest::newRow("all unlit, assembly") << UnlitColour << false << "00H,00H,00H,00H" << 136;
    }

    void wholeGrid() {
        QFETCH(int32_t, colour);
        QFETCH(bool, c);
        QFETCH(QString, line);
        QFETCH(int, length);
        for (bool across : {true, false}) {
            LoadedForm form;
            choose(*form.form, c, across);
            TestAccess::PaintAllCells(*form.form, 0, colour);
            TestAccess::RefreshListing(*form.form);
            QCOMPARE(form->Texled(0)->Text(), QString(line + "\r\n").repeated(8));
            QCOMPARE(form->Texled(0)->Text().size(), length);
        }
    }

    // A click on an option rewrites the listing and nothing else; clicking back restores it.
    void optionClicks_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("OptC") << "OptC"
                              << "OptR"
                              << "0x00,0x40,0x41,0x82";
        QTest::newRow("OpX") << "OpX"
                             << "OpY"
                             << "01H,00H,7FH,0FCH";
        QTest::newRow("OptR, already chosen") << "OptR"
                                              << "OptR"
                                              << "00H,40H,41H,82H";
        QTest::newRow("OpY, already chosen") << "OpY"
                                             << "OpY"
                                             << "00H,40H,41H,82H";
    }

    void optionClicks() {
        QFETCH(QString, option);
        QFETCH(QString, back);
        QFETCH(QString, firstLine);
        LoadedForm form;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.form.get()));
        auto* clicked = form->findChild<QRadioButton*>(option);
        QTest::mouseClick(clicked, Qt::LeftButton);
        QVERIFY(clicked->isChecked());
        QCOMPARE(form->Texled(0)->Text().section(QStringLiteral("\r\n"), 0, 0), firstLine);
        QCOMPARE(GridRows(*form.form), StartUpRows());
        QVERIFY(form->Frame1->isEnabled() && form->Frame2->isEnabled());
        QCOMPARE(QApplication::focusWidget(), clicked);
        QTest::mouseClick(form->findChild<QRadioButton*>(back), Qt::LeftButton);
        QCOMPARE(form->Texled(0)->Text(), ::startUpListing);
    }

    // Space on a focused option selects it; the arrow keys move the choice within its frame.
    void optionKeys() {
        LoadedForm form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.form.get()));
        form->OpY->setFocus();
        QTest::keyClick(form->OpY, Qt::Key_Right);
        QVERIFY(form->OpX->isChecked());
        QCOMPARE(form->Texled(0)->Text().left(16), QStringLiteral("01H,00H,7FH,0FCH"));
        form->OptC->setFocus();
        QTest::keyClick(form->OptC, Qt::Key_Space);
        QVERIFY(form->OptC->isChecked());
        QCOMPARE(form->Texled(0)->Text().left(19), QStringLiteral("0x01,0x00,0x7F,0xFC"));
    }

    // Typing, deleting, cutting and pasting leave the listing as it is.
    // (Enter there clicks the capture button, as it does everywhere but on another button.)
    void listingBoxIsLocked() {
        LoadedForm form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.form.get()));
        ListingBox* box = form->Texled(0);
        box->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClicks(box, QStringLiteral("abc"));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->Text(), ::startUpListing);
        QCOMPARE(box->toPlainText() + "\n", QString(::startUpListing).replace("\r\n", "\n"));
    }

    void copying_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("copied");
        const QString all = QString(::startUpListing).replace("\r\n", "\n");
        QTest::newRow("Ctrl+A, Ctrl+C") << "keys" << all;
        QTest::newRow("menu: Select All, then Copy") << "menu" << all;
        QTest::newRow("dragged past the end, Ctrl+C") << "drag" << all;
        QTest::newRow("line 1 alone, Shift+End") << "line" << all.left(15);
    }

    // A copy that reaches the end has the last line end too: eight whole lines.
    void copying() {
        QFETCH(QString, how);
        QFETCH(QString, copied);
        LoadedForm form(true);
        ListingBox* box = form->Texled(0);
        QApplication::clipboard()->clear();
        if (how == "menu") {
            pickFromMenu(*form.form, box, "Ctrl+A");
            pickFromMenu(*form.form, box, "Ctrl+C");
        } else {
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                              inForm(*form.form, box, {3, 3}));
            if (how == "keys") QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (how == "line") QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
            if (how == "drag") drag(*form.form, box, {3, 3}, {150, 130});
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        }
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    void lineOneStays_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Ctrl+End", "arrows down", "dragged below", "wheel down"})
            QTest::newRow(how) << how;
    }

    // Whatever the user does in the box, all eight lines stay where they are.
    void lineOneStays() {
        QFETCH(QString, how);
        LoadedForm form(true);
        ListingBox* box = form->Texled(0);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                          inForm(*form.form, box, {3, 3}));
        if (how == "Ctrl+End") QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        for (int i = 0; how == "arrows down" && i < 12; ++i) QTest::keyClick(box, Qt::Key_Down);
        if (how == "dragged below") drag(*form.form, box, {3, 3}, {80, 200});
        if (how == "wheel down") {
            const QPointF at(20, 20);
            QWheelEvent wheel(at, box->viewport()->mapToGlobal(at), {}, {0, -360}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(box->viewport(), &wheel);
        }
        const QTextBlock last = box->document()->lastBlock();
        QCOMPARE(box->cursorRect(QTextCursor(box->document())).top(), 2);
        QVERIFY(box->viewport()->rect().contains(box->cursorRect(QTextCursor(last))));
    }

    // The assembly listing as .db lines assembles with an 8051 assembler to the same bytes.
    void assemblyAssembles_data() {
        QTest::addColumn<bool>("allLit");
        QTest::newRow("亮, bytes 00 to D5") << false;
        QTest::newRow("all lit") << true;
    }

    void assemblyAssembles() {
        QFETCH(bool, allLit);
        LoadedForm form;
        if (allLit) {
            TestAccess::PaintAllCells(*form.form, 0, LitColour);
            TestAccess::RefreshListing(*form.form);
        }
        const QString listing = form->Texled(0)->Text();
        QString source = QStringLiteral("\t.org 0\n");
        for (const QString& line : listing.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            source += QStringLiteral("\t.db ") + line + '\n';
        QTemporaryDir dir;
        writeFile(dir.filePath("glyph.asm"), source);
        QCOMPARE(run("as31", {"-Fbin", "glyph.asm"}, dir.path()), 0);
        QFile binary(dir.filePath("glyph.bin"));
        QVERIFY(binary.open(QIODevice::ReadOnly));
        QList<int> assembled;
        for (char byte : binary.readAll()) assembled << uint8_t(byte);
        QCOMPARE(assembled, ListingBytes(listing));
    }

    // The C listing inside an array initialiser compiles cleanly and holds the same bytes. Its
    // lines end without a comma, so each line goes in as one row of the initialiser.
    void cCompiles() {
        LoadedForm form;
        choose(*form.form, true, true);
        const QString listing = form->Texled(0)->Text();
        const QStringList rows = listing.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QTemporaryDir dir;
        writeFile(dir.filePath("glyph.c"),
                  "#include <stdio.h>\n"
                  "static const unsigned char glyph[] = {\n" +
                      rows.join(QStringLiteral(",\n")) +
                      "\n};\n"
                      "int main(void) {\n"
                      "    for (unsigned i = 0; i < sizeof glyph; ++i) printf(\"%d \", glyph[i]);\n"
                      "    return 0;\n"
                      "}\n");
        QCOMPARE(run("cc", {"-Wall", "-Werror", "-o", "glyph", "glyph.c"}, dir.path()), 0);
        QProcess glyph;
        glyph.start(dir.filePath("glyph"));
        QVERIFY(glyph.waitForFinished());
        QList<int> compiled;
        for (const QByteArray& n : glyph.readAll().trimmed().split(' ')) compiled << n.toInt();
        QCOMPARE(compiled, ListingBytes(listing));
    }

private:
    static void writeFile(const QString& path, const QString& text) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    static int run(const QString& program, const QStringList& arguments, const QString& dir) {
        QProcess process;
        process.setWorkingDirectory(dir);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        process.waitForFinished();
        if (process.exitCode() != 0) qWarning() << process.readAll();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

GLIMMET_TEST_MAIN(ListingTest)
#include "tst_listing.moc"
