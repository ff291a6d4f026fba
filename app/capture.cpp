#include "capture/capture.h"
#include "app/characterbox.h"
#include "app/form1.h"
#include "app/picturebox.h"
#include "capture/fonts.h"
#include "grid/cells.h"
#include "grid/ledgrid.h"

// The text's line at the canvas's top-left corner.
void Form1::PrintCharacter() {
    PicText->Cls();
    PicText->setCurrentX(0);
    PicText->setCurrentY(0);
    PicText->Print(Texcd->text(), PicText->font(), &CapturePrinter());
}

// One sample a pixel, 15 twips apart, each painted into its cell: rows from the top, each from
// the left. Every cell is painted over, so the old pattern never shows through.
void Form1::SampleCharacter() {
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) {
            const int32_t sample =
                PicText->Point(0.75f + float(TwipsPerPixel * c), float(TwipsPerPixel * r));
            PaintCell(*Picled, c + 0.5f, GridSide - 0.5f - r,
                      IsInk(sample) ? LitColour : UnlitColour);
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
