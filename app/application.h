#pragma once

#include <QApplication>

// The application object: the same look everywhere, the start-up sequence, and the one place
// where a run-time error raised by any handler is reported before the program ends.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Creates the window, raises its Load event, shows it and runs until the program ends.
    int Run();

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void installChineseQt();
};
