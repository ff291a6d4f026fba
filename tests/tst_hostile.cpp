// Hostile text for the character box, through the clipboard and the keyboard: the box keeps
// one whole character, nothing crashes, and capturing what it kept gives what a fresh capture
// of that character gives.
#include "tests/support.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextBoundaryFinder>

namespace {

QStringList freshCapture(const QString& text) {
    LoadedForm form;
    form->Texcd->setText(text);
    QTest::mouseClick(form->Comchange, Qt::LeftButton);
    return GridRows(*form.form);
}

bool oneWholeCharacter(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    return text.isEmpty() || finder.toNextBoundary() == text.size();
}

QString repeated(const QString& unit, qsizetype bytes) {
    return unit.repeated(bytes / unit.toUtf8().size());
}

}  // namespace

Q_DECLARE_METATYPE(QMimeData*)

class HostileTest : public QObject {
    Q_OBJECT

private slots:
    void hostileText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rawClipboard");  // raw bytes, when not empty
        constexpr qsizetype megabyte = 1 << 20;
        auto row = [](const char* name, const QString& text, const QByteArray& raw = {}) {
            QTest::newRow(name) << text << raw;
        };
        row("1 MB of CJK", repeated(QStringLiteral("龍亮"), megabyte));
        row("1 MB of Latin", repeated(QStringLiteral("A"), megabyte));
        row("a letter and 1 MB of combining marks",
            QStringLiteral("a") + repeated(QStringLiteral("\u0301"), megabyte));
        row("NUL first", QString(QChar(0)) + QStringLiteral("亮"));
        row("control characters", QStringLiteral("\x01\x02\x1b[31m\t\r\n\x7f"));
        row("line breaks", QStringLiteral("\r\n亮\r\n"));
        row("right to left", QStringLiteral("שלום עולם"));
        row("right-to-left mark", QStringLiteral("\u200f亮"));
        row("zero-width joiner family", QStringLiteral("👨\u200d👩\u200d👧\u200d👦 and more"));
        row("joiner alone", QStringLiteral("\u200d\u200d亮"));
        row("lone high surrogate", QString(QChar(0xD800)) + QStringLiteral("亮"));
        row("lone low surrogate", QString(QChar(0xDC00)));
        row("reversed surrogate pair", QString(QChar(0xDE00)) + QChar(0xD83D));
        row("flags", QStringLiteral("🇨🇳🇩🇪"));
        row("invalid UTF-8", QString(), QByteArray("\xff\xfe\xc3\x28\xa0\xa1\xe2\x28\xa1"));
        row("truncated UTF-8 sequence", QString(), QByteArray("\xe4\xba"));
    }

    void hostileText() {
        QFETCH(QString, text);
        QFETCH(QByteArray, rawClipboard);
        for (bool byKeyboard : {false, true}) {
            if (byKeyboard && !rawClipboard.isEmpty()) continue;
            if (byKeyboard && text.size() > 4096) text.truncate(4096);  // typing is slow
            LoadedForm form(true);
            CharacterBox* box = form->Texcd;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (byKeyboard) {
                TypeText(box, text);
            } else {
                auto* data = new QMimeData;
                if (rawClipboard.isEmpty())
                    data->setText(text);
                else
                    data->setData(QStringLiteral("text/plain"), rawClipboard);
                QApplication::clipboard()->setMimeData(data);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            }
            const QString kept = box->text();
            QVERIFY2(oneWholeCharacter(kept), qPrintable(kept.left(20)));
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(GridRows(*form.form), freshCapture(kept));
            CheckListingFollowsGrid(*form.form);
        }
    }
};

GLIMMET_TEST_MAIN(HostileTest)
#include "tst_hostile.moc"
