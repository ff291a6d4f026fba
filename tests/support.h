#pragma once

#include "app/application.h"
#include "app/characterbox.h"
#include "app/form1.h"
#include "app/listingbox.h"
#include "app/picturebox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include <memory>

// Every test sees the whole window: its class and the classes of its controls.

// Reaches the window's private procedures from the tests.
class TestAccess {
public:
    static void PaintAllCells(Form1& form, uint8_t fillStyle, int32_t fillColour);
    static void RefreshListing(Form1& form);
    static void Picled_MouseDown(Form1& form, int button, int shift, float x, float y);
    static void SampleCharacter(Form1& form);
};

// A window as it opens: created, then loaded, and shown when asked.
struct LoadedForm {
    explicit LoadedForm(bool shown = false);
    std::unique_ptr<Form1> form;
    Form1* operator->() const { return form.get(); }
};

// The 32 bytes of a grid (rows as GridRows gives them), packed here independently of the
// program: across rows, each row as two bytes, or down columns, each column as two bytes.
QList<int> PackRows(const QStringList& rows, bool across);

// The listing holds the grid as read back, in the chosen syntax and scan order.
void CheckListingFollowsGrid(const Form1& form);

// The values of a listing in either syntax, read back as numbers.
QList<int> ListingBytes(const QString& listing);

// A mouse click on pixel (px, py) of the grid, through the window as a user's click comes
// (a widget-level click cannot even name pixel (0, 0)). The form must be shown.
void ClickGrid(Form1& form, QPoint pixel, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {});

// A right click on the widget through the window, then a click on the entry of the menu that
// comes up whose shortcut is keys ("Ctrl+V"): the entries' names depend on the language.
void pickFromMenu(Form1& form, QWidget* widget, const char* keys);

// Types text into a widget one key a code point, as a keyboard or an input method delivers it
// (QTest::keyClicks knows only ASCII).
void TypeText(QWidget* widget, const QString& text);

// Only the cell (c, r) lit, r counted from the bottom.
void LightOneCell(Form1& form, int c, int r);

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
