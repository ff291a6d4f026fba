#pragma once

#include "app/application.h"

#include <QStringList>
#include <QTest>

class Form1;

// Reaches the window's private procedures from the tests.
class TestAccess {
public:
    static void PaintAllCells(Form1& form, uint8_t fillStyle, int32_t fillColour);
};

// The grid as read back through LED_Byte at every cell centre: one string a row, top row first,
// '#' for lit and '.' for unlit.
QStringList GridRows(const Form1& form);

// The picture the window opens with, as the user sees it.
QStringList StartUpRows();

// Runs a test object under the program's own application object, so the style is the real one.
#define GLIMMET_TEST_MAIN(TestObject)           \
    int main(int argc, char** argv) {           \
        Application app(argc, argv);            \
        TestObject test;                        \
        return QTest::qExec(&test, argc, argv); \
    }
