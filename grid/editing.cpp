#include "app/form1.h"
#include "app/runtimeerror.h"
#include "grid/colours.h"
#include "grid/picturebox.h"

#include <cmath>

namespace {

// The nearest whole number, halves going to the even one; outside 0 to 255 it overflows.
uint8_t CByte(float value) {
    const float whole = std::nearbyint(value);
    if (!(whole >= 0 && whole <= 255)) throw RunTimeError::Overflow();
    return uint8_t(whole);
}

// The cell whose centre a press coordinate snaps to. The top pixel row lies exactly on y = 16
// and snaps to 16, whose centre is above the grid: it counts as 15, the row under the pointer.
uint8_t SnapToCell(float coordinate) {
    const uint8_t cell = CByte(coordinate - 0.5f);
    return cell == 16 ? 15 : cell;
}

}  // namespace

// Any button with any modifiers acts alike; only the press acts.
void Form1::Picled_MouseDown(int, int, float X, float Y) {
    const uint8_t c = SnapToCell(X), r = SnapToCell(Y);
    ToggleCell(c + 0.5f, r + 0.5f);
}

// A cell is lit only when its centre reads exactly the lit colour; anything else lights up.
void Form1::FlipCell(float x, float y) {
    Picled->setFillColor(Picled->Point(x, y) == LitColour ? UnlitColour : LitColour);
    Picled->setFillStyle(0);
    Picled->Circle(x, y, 0.5f, RimColour);
}

void Form1::ToggleCell(float x, float y) {
    FlipCell(x, y);
    RefreshListing();
}

void Form1::Commargin_Click() {
    Picled->Cls();
    PaintAllCells(0, UnlitColour);
    RefreshListing();
}

void Form1::Comstuff_Click() {
    Picled->Cls();
    PaintAllCells(0, LitColour);
    RefreshListing();
}

// Rows from the bottom, each from the left; one refresh after all 256 cells.
void Form1::Cocontrary_Click() {
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) FlipCell(c + 0.5f, r + 0.5f);
    }
    RefreshListing();
}
