#include "app/application.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(QStringLiteral("Fusion"));
}
