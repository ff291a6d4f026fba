// The window as it opens: every control in its place with its caption, font and tab order.
#include "tests/support.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>

class WindowTest : public QObject {
    Q_OBJECT
    Form1 form;

    QWidget* control(const QString& name) { return form.findChild<QWidget*>(name); }

private slots:
    void initTestCase() { form.Load(); }

    void window() {
        QCOMPARE(form.windowTitle(), QStringLiteral("Glimmet 1.0    Glimmet 开发组 2026"));
        QCOMPARE(form.geometry(), QRect(262, 237, 513, 338));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(form.style()->name().toLower(), QStringLiteral("fusion"));
        QCOMPARE(form.font().pixelSize(), 12);
    }

    void icon() {
        const QImage icon(QStringLiteral(":/glimmet.png"));
        QCOMPARE(icon.size(), QSize(48, 48));
        QCOMPARE(icon.format(), QImage::Format_Indexed8);
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(48, 48)));
    }

    void controls_data() {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, QRect place, int pixels, const char* caption) {
            QTest::newRow(name) << place << pixels << QString::fromUtf8(caption);
        };
        row("Commargin", {16, 16, 65, 25}, 12, "空  白");
        row("Comstuff", {96, 16, 73, 25}, 12, "填  充");
        row("Cocontrary", {184, 16, 65, 25}, 12, "相  反");
        row("Comchange", {264, 16, 65, 25}, 12, "转  换");
        row("Comleave", {344, 16, 73, 25}, 12, "离  开");
        row("Comconcerning", {432, 16, 65, 25}, 12, "关  于");
        row("Label2", {16, 64, 233, 17}, 16, "LED 仿真输出显示");
        row("Laled", {272, 64, 33, 17}, 16, "汉字");
        row("Label1", {336, 64, 121, 17}, 16, "输出数据");
        row("Picled", {16, 88, 233, 233}, 16, "");
        row("Texcd", {272, 88, 41, 57}, 16, "亮");
        row("PicText", {272, 144, 41, 49}, 16, "");
        row("Texled", {336, 88, 161, 105}, 12, "");
        row("Frame1", {272, 200, 225, 57}, 12, "语言输出格式");
        row("OptR", {280, 224, 73, 17}, 12, "汇编语言");
        row("OptC", {400, 224, 57, 17}, 12, "C 语言");
        row("Frame2", {272, 264, 225, 57}, 12, "数据转换格式");
        row("OpY", {280, 288, 81, 17}, 12, "竖向读取");
        row("OpX", {400, 288, 73, 17}, 12, "横向读取");
    }

    void controls() {
        QFETCH(QRect, place);
        QFETCH(int, fontPixels);
        QFETCH(QString, caption);
        QWidget* w = control(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(QRect(w->mapTo(&form, QPoint(0, 0)), w->size()), place);
        QCOMPARE(w->font().pixelSize(), fontPixels);
        // The family asked for is the one drawn, not a silent substitute.
        QCOMPARE(QFontInfo(w->font()).family(), w->font().family());
        const char* property = qobject_cast<QGroupBox*>(w) ? "title" : "text";
        QCOMPARE(w->property(property).toString(), caption);
    }

    void captionsFit_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"Commargin", "Comstuff", "Cocontrary", "Comchange", "Comleave", "Comconcerning",
              "Label2", "Laled", "Label1", "Frame1", "Frame2", "OptR", "OptC", "OpY", "OpX"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // Each caption is drawn whole in the room the style leaves it.
    void captionsFit() {
        QFETCH(QString, name);
        QWidget* w = control(name);
        QStyle* style = w->style();
        QRect room;
        QString caption;
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            caption = button->text();
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
            caption = radio->text();
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            room = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         frame) &
                   frame->rect();
            caption = frame->title();
        } else {
            auto* label = qobject_cast<QLabel*>(w);
            room = label->contentsRect();
            caption = label->text();
        }
        const QFontMetrics metrics(w->font());
        QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(), qPrintable(caption));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(caption));
    }

    void designTimeChoices() {
        QVERIFY(form.OptR->isChecked());
        QVERIFY(!form.OptC->isChecked());
        QVERIFY(form.OpY->isChecked());
        QVERIFY(!form.OpX->isChecked());
        QVERIFY(form.Comchange->isDefault());
        QVERIFY(form.Texled(0)->isReadOnly());
    }

    void tabOrderAndFocus() {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Picled);
        QStringList visited;
        // Of two option buttons in a frame only the selected one is a tab stop.
        for (int i = 0; i < 12; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList({"Picled", "Commargin", "Comstuff", "Cocontrary", "Comchange",
                                       "Comleave", "Comconcerning", "OptR", "Texled", "Texcd",
                                       "OpY", "PicText"}));
        QCOMPARE(QApplication::focusWidget(), form.Picled);
        form.hide();
    }

    void tabIntoFrames_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");  // Tab is ">", Shift+Tab "<", an arrow "^"
        QTest::addColumn<QString>("landed");
        auto row = [](const char* name, const char* start, const char* keys, const char* on) {
            QTest::newRow(name) << start << keys << on;
        };
        row("Tab into Frame1", "Comconcerning", ">", "OptR");
        row("Shift+Tab into Frame1", "Texled", "<", "OptR");
        row("Shift+Tab into Frame1, out, Tab back", "Texled", "<<>", "OptR");
        row("Tab into Frame2", "Texcd", ">", "OpY");
        row("Shift+Tab into Frame2", "PicText", "<", "OpY");
        row("Shift+Tab into Frame2, out, Tab back", "PicText", "<<>", "OpY");
        row("OpX chosen by arrow, Shift+Tab back", "Texcd", ">^><", "OpX");
        row("OptC chosen by arrow, out, Tab back", "Comconcerning", ">^<>", "OptC");
    }

    // Tab and Shift+Tab into a frame land on its selected option, real keys through the window.
    void tabIntoFrames() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, landed);
        LoadedForm form(true);
        QVERIFY(QTest::qWaitForWindowActive(form.form.get()));
        form->findChild<QWidget*>(start)->setFocus();
        for (QChar key : keys) {
            const Qt::Key code = key == '^'   ? Qt::Key_Right
                                 : key == '>' ? Qt::Key_Tab
                                              : Qt::Key_Backtab;
            QTest::keyClick(form->windowHandle(), code,
                            key == '<' ? Qt::ShiftModifier : Qt::NoModifier);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), landed);
        QVERIFY(form->findChild<QRadioButton*>(landed)->isChecked());
    }

    // The longest listing line, eight times, with its line ends: every character in sight.
    void listingBoxShowsEightLines() {
        ListingBox* box = form.Texled(0);
        const QString line = QStringLiteral("0x01,0x00,0x7F,0xFC");
        const QString listing = QString(line + "\r\n").repeated(8);
        box->setText(listing);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(box->Text(), listing);
        QTextCursor cursor(box->document());
        cursor.movePosition(QTextCursor::End);
        box->setTextCursor(cursor);  // the caret at the end must not scroll the first line away
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            QCOMPARE(block.text(), line);
            QTextCursor start(block), end(block);
            end.movePosition(QTextCursor::EndOfBlock);
            const QRect shown = box->cursorRect(start).united(box->cursorRect(end));
            QVERIFY2(box->viewport()->rect().contains(shown),
                     qPrintable(QString::number(block.blockNumber())));
        }
        QCOMPARE(box->document()->blockCount(), 8);
        form.hide();
    }
};

GLIMMET_TEST_MAIN(WindowTest)
#include "tst_window.moc"
