#include "tests/fuzz/fuzzing.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

void StartApplication() {
    static int argc = 1;
    static char name[] = "glimmet-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

void Require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}
