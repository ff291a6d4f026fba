#include "app/form1.h"
#include "app/picturebox.h"
#include "grid/cells.h"
#include "grid/colours.h"

uint8_t Form1::LED_Byte(float x, float y) const {
    return CellBit(*Picled, x, y);
}

void Form1::PaintAllCells(uint8_t fillStyle, int32_t fillColour) {
    ::PaintAllCells(*Picled, fillStyle, fillColour);
}

// Any button with any modifiers acts alike; only the press acts.
void Form1::Picled_MouseDown(int, int, float X, float Y) {
    const uint8_t c = SnapToCell(X), r = SnapToCell(Y);
    ToggleCell(c + 0.5f, r + 0.5f);
}

void Form1::ToggleCell(float x, float y) {
    FlipCell(*Picled, x, y);
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

// One refresh after all 256 cells.
void Form1::Cocontrary_Click() {
    FlipAllCells(*Picled);
    RefreshListing();
}
