#include "capture/capture.h"
#include "app/characterbox.h"
#include "app/form1.h"
#include "app/picturebox.h"
#include "capture/fonts.h"
#include "grid/cells.h"
#include "grid/colours.h"
#include "grid/ledgrid.h"

void Form1::PrintCharacter() {
    PrintText(*PicText, Texcd->text(), PicText->font(), {}, &CapturePrinter());
}

// Rows from the top, each from the left; every cell is painted over, so the old pattern never
// shows through.
void Form1::SampleCharacter() {
    const Glyph glyph = SampleGlyph(*PicText);
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c)
            PaintCell(*Picled, c + 0.5f, 15.5f - r, glyph.inkAt(c, r) ? LitColour : UnlitColour);
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
