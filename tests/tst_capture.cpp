// Character capture: the typed character printed on the canvas and sampled into the grid, the
// one-character box, and a whole session of a user's clicks and keys.
#include "grid/colours.h"
#include "tests/support.h"

#include <QClipboard>

namespace {

QStringList capture(const QString& text, const char* before = nullptr) {
    LoadedForm form;
    if (before) QTest::mouseClick(form->findChild<QPushButton*>(before), Qt::LeftButton);
    form->Texcd->setText(text);
    QTest::mouseClick(form->Comchange, Qt::LeftButton);
    return GridRows(*form.form);
}

int longestRun(const QString& row) {
    int longest = 0, run = 0;
    for (QChar cell : row) longest = std::max(longest, run = cell == '#' ? run + 1 : 0);
    return longest;
}

// A click through the window on the middle of a control, as a user's click comes.
void click(Form1& form, QWidget* control) {
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      control->mapTo(&form, control->rect().center()));
}

}  // namespace

class CaptureTest : public QObject {
    Q_OBJECT

private slots:
    void emptyTextLightsNothing() {
        for (bool c : {false, true}) {
            LoadedForm form;
            QTest::mouseClick(c ? form->OptC : form->OptR, Qt::LeftButton);
            form->Texcd->clear();
            QTest::mouseClick(form->Comchange, Qt::LeftButton);
            QCOMPARE(GridRows(*form.form), QStringList(16, QString(16, '.')));
            QCOMPARE(ListingBytes(form->Texled(0)->Text()), QList<int>(32, 0));
            QCOMPARE(form->PicText->Point(0.75f, 0), UnlitColour);
        }
    }

    // A sample is ink at a colour value of at most 99: only black to dark red.
    void inkThreshold_data() {
        QTest::addColumn<int32_t>("colour");
        QTest::addColumn<bool>("lit");
        QTest::newRow("black") << RGB(0, 0, 0) << true;
        QTest::newRow("RGB(99, 0, 0), 99") << RGB(99, 0, 0) << true;
        QTest::newRow("RGB(100, 0, 0), 100") << RGB(100, 0, 0) << false;
        QTest::newRow("RGB(0, 1, 0), 256") << RGB(0, 1, 0) << false;
        QTest::newRow("RGB(0, 0, 1), 65536") << RGB(0, 0, 1) << false;
        QTest::newRow("pure red, 255") << RGB(255, 0, 0) << false;
        QTest::newRow("dark grey") << RGB(40, 40, 40) << false;
    }

    // The top-left sample sets the top-left cell, the bottom-right sample the bottom-right.
    void inkThreshold() {
        QFETCH(int32_t, colour);
        QFETCH(bool, lit);
        for (int corner : {0, 15}) {
            LoadedForm form;
            form->PicText->Cls();
            form->PicText->setFillStyle(0);
            form->PicText->setFillColor(colour);  // exactly the one pixel the sample reads
            form->PicText->Circle(15 * corner + 7.5f, 15 * corner + 7.5f, 7.5f, colour);
            TestAccess::SampleCharacter(*form.form);
            QStringList expected(16, QString(16, '.'));
            if (lit) expected[corner][corner] = '#';
            QCOMPARE(GridRows(*form.form), expected);
        }
    }

    // The pattern depends on the print alone, never on what the grid showed before.
    void sameTextSamePattern() {
        const QStringList fresh = capture(QStringLiteral("亮"));
        QCOMPARE(capture(QStringLiteral("亮"), "Comstuff"), fresh);
        QCOMPARE(capture(QStringLiteral("亮"), "Cocontrary"), fresh);
        QCOMPARE(capture(QStringLiteral("亮"), "Commargin"), fresh);
    }

    void oneIsOneLine() {
        const QStringList rows = capture(QStringLiteral("一"));
        int linesWithInk = 0;
        for (const QString& row : rows) {
            if (!row.contains('#')) continue;
            ++linesWithInk;
            QCOMPARE(row.count('#'), longestRun(row));
            QVERIFY(longestRun(row) >= 12);
        }
        QCOMPARE(linesWithInk, 1);
    }

    // Any Song-style 亮: a dot on top, the long stroke under it, the box, the long stroke of the
    // roof, and roughly as many cells as the start-up picture.
    void liangLooksLikeTheStartUpPicture() {
        const QStringList rows = capture(QStringLiteral("亮"));
        const int lit = rows.join(QString()).count('#');
        QVERIFY2(lit >= 60 && lit <= 85, qPrintable(QString::number(lit)));
        QVERIFY(rows[0].mid(5, 4).contains('#') || rows[1].mid(5, 4).contains('#'));
        QVERIFY(longestRun(rows[1]) >= 13 || longestRun(rows[2]) >= 13);
        int boxEdges = 0, roofs = 0;
        for (int r = 2; r < 8; ++r) boxEdges += rows[r].mid(3, 9) == QStringLiteral(".#######.");
        for (int r = 6; r < 10; ++r) roofs += longestRun(rows[r]) >= 14;
        QCOMPARE(boxEdges, 2);
        QCOMPARE(roofs, 1);
    }

    // The print stays on the canvas, pure black on white: no smoothed edge pixels.
    void printStaysCrisp_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("亮") << QStringLiteral("亮");
        QTest::newRow("A") << QStringLiteral("A");
        QTest::newRow("龍") << QStringLiteral("龍");
    }

    void printStaysCrisp() {
        QFETCH(QString, text);
        LoadedForm form;
        form->Texcd->setText(text);
        QTest::mouseClick(form->Comchange, Qt::LeftButton);
        const QStringList rows = GridRows(*form.form);
        for (int r = 0; r < 16; ++r)
            for (int c = 0; c < 16; ++c) {
                const int32_t colour = form->PicText->Point(0.75f + 15 * c, 15.0f * r);
                QCOMPARE(colour, rows[r][c] == '#' ? 0 : UnlitColour);
            }
    }

    void characterBox_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("cursor");  // the key that places it, or select all
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("kept");
        const int end = Qt::Key_End, home = Qt::Key_Home, all = Qt::Key_A;
        auto row = [](const char* name, const char* start, int cursor, const char* how,
                      const QString& input, const QString& kept) {
            QTest::newRow(name) << QString::fromUtf8(start) << cursor << how << input << kept;
        };
        row("a second typed character is refused", "亮", end, "type", "A", "亮");
        row("typed before the character, refused", "亮", home, "type", "A", "亮");
        row("pasted after the character, refused", "亮", end, "paste", "龍", "亮");
        row("pasted before the character, refused", "亮", home, "paste", "龍", "亮");
        row("pasted by the menu, refused", "亮", home, "menu", "龍", "亮");
        row("an input method's commit, refused", "亮", home, "commit", "一", "亮");
        row("a selected character is replaced", "亮", all, "type", "A", "A");
        row("an input method's commit over the selection", "亮", all, "commit", "一", "一");
        row("typing into an empty box", "", end, "type", "AB", "A");
        row("a long paste keeps its first", "", end, "paste", QString(5000, 'x').prepend("W"), "W");
        row("a paste over the selection", "亮", all, "paste", "龍ABC", "龍");
        row("a menu paste over the selection", "亮", all, "menu", "龍ABC", "龍");
        row("an emoji is kept whole", "", end, "paste", "😀x", "😀");
        row("an emoji typed after a character", "亮", end, "type", "😀", "亮");
        row("a base letter keeps its marks", "", end, "paste", "e\u0301\u0323x", "e\u0301\u0323");
        row("a typed mark joins its base", "e", end, "type", "\u0301", "e\u0301");
        row("a joined emoji sequence", "", end, "paste", "👩\u200d💻!", "👩\u200d💻");
        row("Backspace empties the box", "亮", end, "key", "Backspace", "");
        row("Delete empties the box", "亮", home, "key", "Delete", "");
    }

    void characterBox() {
        QFETCH(QString, start);
        QFETCH(int, cursor);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, kept);
        LoadedForm form(true);
        CharacterBox* box = form->Texcd;
        box->setText(start);
        click(*form.form, box);
        QTest::keyClick(box, Qt::Key(cursor),
                        cursor == Qt::Key_A ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::clipboard()->setText(input);
        if (how == "type") TypeText(box, input);
        if (how == "paste") QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        if (how == "menu") pickFromMenu(*form.form, box, "Ctrl+V");
        if (how == "key")
            QTest::keyClick(box, input == "Delete" ? Qt::Key_Delete : Qt::Key_Backspace);
        if (how == "commit") {
            QInputMethodEvent commit;
            commit.setCommitString(input);
            QApplication::sendEvent(box, &commit);
        }
        QCOMPARE(box->text(), kept);
        QCOMPARE(GridRows(*form.form), StartUpRows());  // nothing happens until 转换
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), kept);
        CheckListingFollowsGrid(*form.form);
    }

    // A user's session, every step a real click or key through the window, the listing
    // checked against the grid after each.
    void session() {
        LoadedForm form(true);
        Form1& f = *form.form;
        auto step = [&](const char* what, auto&& act) {
            act();
            QVERIFY2(f.Frame1->isEnabled() && f.Frame2->isEnabled(), what);
            CheckListingFollowsGrid(f);
        };
        step("type 一 and press Enter", [&] {
            click(f, f.Texcd);
            QTest::keyClick(f.Texcd, Qt::Key_A, Qt::ControlModifier);
            TypeText(f.Texcd, QStringLiteral("一"));
            QTest::keyClick(f.Texcd, Qt::Key_Return);
        });
        QCOMPARE(GridRows(f)[7], QStringLiteral("###############."));
        step("press two cells", [&] {
            ClickGrid(f, {7, 7});
            ClickGrid(f, {230, 230}, Qt::RightButton);
        });
        QCOMPARE(GridRows(f)[0][0], QChar('#'));
        step("read across rows", [&] { click(f, f.OpX); });
        step("C form", [&] { click(f, f.OptC); });
        step("invert", [&] { click(f, f.Cocontrary); });
        QCOMPARE(GridRows(f)[0][0], QChar('.'));
        step("capture 龍 by the button", [&] {
            click(f, f.Texcd);
            QTest::keyClick(f.Texcd, Qt::Key_Backspace);
            TypeText(f.Texcd, QStringLiteral("龍"));
            click(f, f.Comchange);
        });
        QCOMPARE(GridRows(f), capture(QStringLiteral("龍")));
        step("down columns", [&] { click(f, f.OpY); });
        step("fill", [&] { click(f, f.Comstuff); });
        step("one cell off", [&] { ClickGrid(f, {116, 116}, Qt::LeftButton, Qt::ShiftModifier); });
        QCOMPARE(GridRows(f).join(QString()).count('.'), 1);
        step("assembly form", [&] { click(f, f.OptR); });
        step("blank", [&] { click(f, f.Commargin); });
        step("Enter on the grid captures 龍 again", [&] {
            click(f, f.Picled);
            QTest::keyClick(f.windowHandle(), Qt::Key_Enter);
        });
        QCOMPARE(GridRows(f), capture(QStringLiteral("龍")));
    }
};

GLIMMET_TEST_MAIN(CaptureTest)
#include "tst_capture.moc"
