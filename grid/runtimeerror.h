#pragma once

#include <QString>

// The one error type of the program. Nothing traps it: it unwinds the running handler and is
// reported by the application, which then ends the program.
struct RunTimeError {
    int number;
    QString description;

    static RunTimeError Overflow() { return {6, QStringLiteral("溢出")}; }
};
