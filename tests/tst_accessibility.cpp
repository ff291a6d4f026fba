// What a screen reader announces: every control by a Chinese name, and what the grid does.
#include "tests/support.h"

#include <QAccessible>

namespace {

QString spoken(QObject* control, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(text) : QString();
}

// The controls a reader reaches from the window, frames opened up: every visible descendant.
void collect(QAccessibleInterface* parent, QList<QAccessibleInterface*>& found) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child->state().invisible) continue;
        found << child;
        if (child->role() == QAccessible::Grouping) collect(child, found);
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    Form1 form;

private slots:
    void initTestCase() { form.Load(); }

    void names_data() {
        QTest::addColumn<QString>("name");
        auto row = [](const char* control, const char* name) {
            QTest::newRow(control) << QString::fromUtf8(name);
        };
        row("Commargin", "空白");
        row("Comstuff", "填充");
        row("Cocontrary", "相反");
        row("Comchange", "转换");
        row("Comleave", "离开");
        row("Comconcerning", "关于");
        row("Label2", "LED 仿真输出显示");
        row("Laled", "汉字");
        row("Label1", "输出数据");
        row("Picled", "LED 仿真输出显示");
        row("Texcd", "汉字");
        row("PicText", "字形预览");
        row("Texled", "输出数据");
        row("Frame1", "语言输出格式");
        row("Frame2", "数据转换格式");
        row("OptR", "汇编语言");
        row("OptC", "C 语言");
        row("OpY", "竖向读取");
        row("OpX", "横向读取");
    }

    // A label's name goes to the control under it; a spaced-out caption is read as one word.
    void names() {
        QFETCH(QString, name);
        QObject* control = form.findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(spoken(control), name);
    }

    void gridSaysWhatAPressDoes() {
        QCOMPARE(spoken(form.Picled, QAccessible::Description),
                 QStringLiteral("16×16 LED 点阵，按下切换一个点"));
    }

    // Whatever the reader can reach has a name, so nothing is announced blank.
    void nothingIsNamedBlank() {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QList<QAccessibleInterface*> reached;
        collect(QAccessible::queryAccessibleInterface(&form), reached);
        QCOMPARE(reached.size(), 19);
        for (QAccessibleInterface* control : reached)
            QVERIFY2(!control->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->object()->objectName()));
        form.hide();
    }
};

GLIMMET_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
