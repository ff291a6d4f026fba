#include "app/application.h"

#include "app/form1.h"
#include "grid/runtimeerror.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(QStringLiteral("Fusion"));
    installChineseQt();
}

// What Qt itself draws (the OK button, the text boxes' menus) is Chinese like the rest of the
// window, whatever the user's locale. Without the translations it stays English, and says so.
void Application::installChineseQt() {
    auto* translator = new QTranslator(this);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), folder)) {
        installTranslator(translator);
    } else {
        std::fprintf(stderr, "%s: Qt's Chinese translations (qtbase_zh_CN.qm) are not in %s\n",
                     qPrintable(applicationName()), qPrintable(folder));
    }
}

int Application::Run() {
    Form1 form;
    form.Load();
    form.show();
    return exec();
}

// No handler traps errors: the error has unwound the handler, skipping its remaining steps,
// and whatever it had done before stays as it was. The program cannot go on from here.
bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const RunTimeError& error) {
        QMessageBox::critical(
            nullptr, QStringLiteral("Glimmet"),
            QStringLiteral("运行时错误 '%1':\n\n%2").arg(error.number).arg(error.description));
        std::_Exit(EXIT_FAILURE);
    }
}
