// A long randomized session of real clicks and keys on the window, checked after every event
// against a packing of the grid written here. Seeded: GLIMMET_SEED repeats a session,
// GLIMMET_SESSION_EVENTS sets its length.
#include "tests/support.h"

#include <QTextBoundaryFinder>

#include <random>

namespace {

class Session {
public:
    Session(Form1& form, uint32_t seed) : form_(form), random_(seed) {}

    // One random user action; returns what it did, for the failure message.
    QString act() {
        switch (pick(0, 9)) {
            case 0:
            case 1:
            case 2:
            case 3:
                return press();
            case 4:
                return click(pick({form_.Commargin, form_.Comstuff, form_.Cocontrary}));
            case 5:
            case 6:
                return click(pick({form_.OptC, form_.OptR, form_.OpX, form_.OpY}));
            case 7:
                return keyOnButton();
            default:
                return capture();
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    template <class T>
    T pick(std::initializer_list<T> choices) {
        return choices.begin()[pick(0, int(choices.size()) - 1)];
    }

    QString press() {
        const QPoint pixel(pick(0, 232), pick(0, 232));
        const auto button = pick({Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
        const auto modifiers =
            pick({Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
                  Qt::KeyboardModifiers(Qt::ControlModifier),
                  Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::ControlModifier});
        ClickGrid(form_, pixel, button, modifiers);
        return QStringLiteral("press at (%1, %2)").arg(pixel.x()).arg(pixel.y());
    }

    QString click(QWidget* control) {
        QTest::mouseClick(form_.windowHandle(), Qt::LeftButton, {},
                          control->mapTo(&form_, control->rect().center()));
        return QStringLiteral("click on ") + control->objectName();
    }

    // Space on a focused whole-grid button, as a keyboard user clicks it.
    QString keyOnButton() {
        QPushButton* button = pick({form_.Commargin, form_.Comstuff, form_.Cocontrary});
        button->setFocus();
        QTest::keyClick(form_.windowHandle(), Qt::Key_Space);
        return QStringLiteral("Space on ") + button->objectName();
    }

    // Replaces the character box's text with a few random characters and captures.
    QString capture() {
        click(form_.Texcd);
        QTest::keyClick(form_.windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form_.windowHandle(), Qt::Key_Backspace);
        QString typed;
        for (int n = pick(0, 3); n > 0; --n) typed += character();
        TypeText(form_.Texcd, typed);
        QTest::keyClick(form_.windowHandle(), pick({Qt::Key_Return, Qt::Key_Enter}));
        return QStringLiteral("capture of \"%1\"").arg(typed);
    }

    QString character() {
        auto fromCode = [](char32_t code) { return QString::fromUcs4(&code, 1); };
        switch (pick(0, 5)) {
            case 0:
                return fromCode(char32_t(pick(0x4E00, 0x9FA5)));  // CJK
            case 1:
                return fromCode(char32_t(pick('A', 'z')));  // Latin
            case 2:
                return fromCode(char32_t(pick('0', '9')));  // digits
            case 3:
                return fromCode(pick({U'!', U',', U'。', U'？', U'"', U'~'}));  // punctuation
            case 4:
                return fromCode(char32_t(pick(0x1F600, 0x1F64F)));  // emoji
            default:                                                // a letter with combining marks
                return fromCode(char32_t(pick('a', 'z'))) + fromCode(char32_t(pick(0x300, 0x36F)));
        }
    }

    Form1& form_;
    std::mt19937 random_;
};

int graphemes(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0) ++count;
    return count;
}

int environmentNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

}  // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void randomSession() {
        const auto seed = uint32_t(environmentNumber("GLIMMET_SEED", int(std::random_device{}())));
        const int events = environmentNumber("GLIMMET_SESSION_EVENTS", 20000);
        qInfo("session seed %u, %d events (GLIMMET_SEED=%u repeats it)", seed, events, seed);
        LoadedForm form(true);
        Form1& f = *form.form;
        Session session(f, seed);
        for (int event = 1; event <= events; ++event) {
            const QString done = session.act();
            const QByteArray where =
                QStringLiteral("seed %1, event %2: %3").arg(seed).arg(event).arg(done).toUtf8();
            for (int r = 0; r < 16; ++r)
                for (int c = 0; c < 16; ++c) {
                    const int32_t colour = f.Picled->Point(c + 0.5f, r + 0.5f);
                    QVERIFY2(colour == 255 || colour == 16777215, where);
                }
            CheckListingFollowsGrid(f);
            QVERIFY2(!QTest::currentTestFailed(), where);
            QCOMPARE(f.Texled(0)->Text().count(QStringLiteral("\r\n")), 8);
            QVERIFY2(f.Frame1->isEnabled() && f.Frame2->isEnabled(), where);
            QVERIFY2(graphemes(f.Texcd->text()) <= 1, where);
        }
    }
};

GLIMMET_TEST_MAIN(SessionTest)
#include "tst_session.moc"
