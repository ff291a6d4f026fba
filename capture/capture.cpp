#include "app/form1.h"
#include "capture/characterbox.h"
#include "grid/colours.h"
#include "grid/picturebox.h"

// Prints the typed text at the top-left of the canvas in the 12-point font, whose em is the
// 16 x 16-pixel square that the samples cover.
void Form1::PrintCharacter() {
    PicText->Cls();
    PicText->setCurrentX(0);
    PicText->setCurrentY(0);
    PicText->Print(Texcd->text());
}

// One sample a pixel, 15 twips apart; a dark sample (at most 99) lights its cell. Rows from the
// top, each from the left; every cell is painted over, so the old pattern never shows through.
void Form1::SampleCharacter() {
    Picled->setFillStyle(0);
    for (int r = 0; r < 16; ++r) {
        for (int c = 0; c < 16; ++c) {
            const int32_t sample = PicText->Point(0.75f + 15 * c, 15.0f * r);
            Picled->setFillColor(sample > 99 ? UnlitColour : LitColour);
            Picled->Circle(c + 0.5f, 15.5f - r, 0.5f, RimColour);
        }
    }
}

void Form1::CaptureCharacter() {
    PrintCharacter();
    SampleCharacter();
    RefreshListing();
}

void Form1::Comchange_Click() {
    CaptureCharacter();
}
