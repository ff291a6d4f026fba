#include "app/application.h"

#include "app/form1.h"
#include "grid/runtimeerror.h"

#include <QMessageBox>

#include <cstdlib>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(QStringLiteral("Fusion"));
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
