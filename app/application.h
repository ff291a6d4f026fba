#pragma once

#include <QApplication>

// The application object: the same look everywhere.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
};
