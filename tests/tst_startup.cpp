// Start-up order, the about box, the keyboard's clicks, and how the program ends: by the exit
// button, by closing the window, or after a run-time error. Endings run in a child process.
#include "tests/support.h"

#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

Form1* theWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form1*>(w)) return form;
    return nullptr;
}

// Calls back with the modal box as soon as one is up.
void whenModal(std::function<void(QMessageBox*)> act) {
    auto* poll = new QTimer(qApp);  // goes with the application if no box ever comes
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(box);
        }
    });
    poll->start(5);
}

// The child: the program's own start-up, then one scenario. It prints any message box it
// meets and answers it.
int runChild(Application& app, const QByteArray& scenario) {
    QTimer::singleShot(0, [scenario] {
        Form1* form = theWindow();
        if (scenario == "capture") QTest::mouseClick(form->Comchange, Qt::LeftButton);
        if (scenario == "leave" || scenario == "capture")
            QTest::mouseClick(form->Comleave, Qt::LeftButton);
        if (scenario == "close") form->close();
        if (scenario == "error") {
            // A press position no press on the grid can give overflows the byte conversion of
            // the grid's own handler, while an event is being handled.
            QMetaObject::invokeMethod(
                form, [form] { emit form->Picled->MouseDown(1, 0, 1e6f, 8.0f); },
                Qt::QueuedConnection);
        }
    });
    whenModal([](QMessageBox* box) {
        std::printf("%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
        std::fflush(stdout);
        box->accept();
    });
    return app.Run();
}

struct Ending {
    int exitCode;
    QString output;
    QString errors;
};

Ending runChildProcess(const char* scenario, const QProcessEnvironment& environment) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"child", scenario});
    child.waitForFinished(10000);
    return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
            QString::fromUtf8(child.readAllStandardOutput()),
            QString::fromUtf8(child.readAllStandardError())};
}

}  // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    // The real start-up: by the time the window is first shown the listing is in place.
    void listingBeforeFirstShow() {
        struct ShowWatch : QObject {
            QString listing;
            bool eventFilter(QObject* watched, QEvent* event) override {
                auto* form = qobject_cast<Form1*>(watched);
                if (form && event->type() == QEvent::Show && listing.isNull())
                    listing = form->Texled(0)->Text();
                return false;
            }
        } watch;
        qApp->installEventFilter(&watch);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCOMPARE(static_cast<Application*>(qApp)->Run(), 0);
        qApp->removeEventFilter(&watch);
        QCOMPARE(watch.listing.section(QStringLiteral("\r\n"), 0, 0),
                 QStringLiteral("00H,40H,41H,82H"));
        QCOMPARE(watch.listing.count(QStringLiteral("\r\n")), 8);
    }

    void aboutBox_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse click") << false;
        QTest::newRow("Space on the focused button") << true;
    }

    // A modal box with the exclamation icon, one OK button, its title and three lines; the
    // window takes no input while it is up, and nothing has changed once it is closed.
    void aboutBox() {
        QFETCH(bool, byKeyboard);
        LoadedForm form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.form.get()));
        const QString listing = form->Texled(0)->Text();
        QString title, text, okText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QAbstractButton*> buttons;
        bool modal = false, blocked = false;
        const QPoint optC = form->OptC->mapTo(form.form.get(), form->OptC->rect().center());
        whenModal([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            okText = buttons.value(0)->text();
            modal = box->isModal() && box->windowModality() == Qt::ApplicationModal;
            // Through the window system, as a user's click comes, not straight to the button.
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, optC);
            blocked = !form->OptC->isChecked();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        if (byKeyboard) {
            form->Comconcerning->setFocus();
            QTest::keyClick(form->Comconcerning, Qt::Key_Space);
        } else {
            QTest::mouseClick(form->Comconcerning, Qt::LeftButton);
        }
        QCOMPARE(title, QStringLiteral("关于"));
        QCOMPARE(text, QStringLiteral(
                           "Glimmet 1.0\n16×16 LED 点阵字模生成工具\n    Glimmet 开发组 2026"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(okText, QStringLiteral("确定"));  // Qt's own "OK", translated
        QVERIFY(modal);
        QVERIFY(blocked);
        QCOMPARE(GridRows(*form.form), StartUpRows());
        QVERIFY(form->OptR->isChecked() && form->OpY->isChecked());
        QCOMPARE(form->Texled(0)->Text(), listing);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, optC);
        QVERIFY(form->OptC->isChecked());  // the same click reaches the window once it is closed
    }

    void contextMenus_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Texcd") << "Texcd"
                               << QStringList{"撤消(&U)", "重做(&R)", "剪切(&T)", "复制(&C)",
                                              "粘贴(&P)", "删除",     "全选"};
        QTest::newRow("Texled(0)") << "Texled" << QStringList{"复制(&C)", "全选"};
    }

    // Qt's own menus of the two text boxes are Chinese too, whatever the locale.
    void contextMenus() {
        QFETCH(QString, box);
        QFETCH(QStringList, entries);
        LoadedForm form;
        std::unique_ptr<QMenu> menu(box == "Texcd" ? form->Texcd->createStandardContextMenu()
                                                   : form->Texled(0)->createStandardContextMenu());
        QStringList shown;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) shown << action->text().section('\t', 0, 0);
        QCOMPARE(shown, entries);
    }

    // Enter clicks the default button from anywhere but another focused button, which Enter
    // clicks itself, as Space does.
    void keyboardClicks_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("Enter in the character box")
            << "Texcd" << int(Qt::Key_Return) << "Comchange";
        QTest::newRow("Enter on the grid") << "Picled" << int(Qt::Key_Enter) << "Comchange";
        QTest::newRow("Enter on an option") << "OpY" << int(Qt::Key_Return) << "Comchange";
        QTest::newRow("Enter in the listing") << "Texled" << int(Qt::Key_Return) << "Comchange";
        QTest::newRow("Enter on another button") << "Comstuff" << int(Qt::Key_Return) << "Comstuff";
        QTest::newRow("Space on a button") << "Cocontrary" << int(Qt::Key_Space) << "Cocontrary";
    }

    void keyboardClicks() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        LoadedForm form;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.form.get()));
        auto* target = form->findChild<QWidget*>(focus);
        target->setFocus();
        QSignalSpy expected(form->findChild<QPushButton*>(clicked), &QPushButton::clicked);
        QList<QSignalSpy*> others;
        for (QPushButton* b : form->findChildren<QPushButton*>())
            if (b->objectName() != clicked) others << new QSignalSpy(b, &QPushButton::clicked);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(expected.count(), 1);
        for (QSignalSpy* spy : others) QCOMPARE(spy->count(), 0);
        qDeleteAll(others);
    }

    void endings_data() {
        QTest::addColumn<QByteArray>("scenario");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("messages");
        QTest::newRow("exit button") << QByteArray("leave") << 0 << "";
        QTest::newRow("window closed") << QByteArray("close") << 0 << "";
        QTest::newRow("run-time error")
            << QByteArray("error") << 1 << QStringLiteral("Glimmet|运行时错误 '6':\n\n溢出\n");
    }

    // Ending asks nothing; an error is shown with its number and description, then ends the
    // program with a failure status.
    void endings() {
        QFETCH(QByteArray, scenario);
        QFETCH(int, exitCode);
        QFETCH(QString, messages);
        const Ending ending =
            runChildProcess(scenario.constData(), QProcessEnvironment::systemEnvironment());
        QCOMPARE(ending.output, messages);
        QCOMPARE(ending.exitCode, exitCode);
        // The fonts are installed: they are found under their names in any language.
        QVERIFY2(!ending.errors.contains("is not installed"), qPrintable(ending.errors));
    }

    // Without its fonts the program says so and goes on: a capture, then the exit button.
    void missingFonts() {
        QTemporaryDir dir;
        QFile config(dir.filePath("fonts.conf"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<fontconfig><dir>" + dir.path().toUtf8() + "</dir></fontconfig>\n");
        config.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FONTCONFIG_FILE", config.fileName());
        const Ending ending = runChildProcess("capture", environment);
        QCOMPARE(ending.exitCode, 0);
        QVERIFY2(ending.errors.contains("font \"Unifont\" is not installed"),
                 qPrintable(ending.errors));
    }
};

int main(int argc, char** argv) {
    Application app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "child") return runChild(app, argv[2]);
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
