#include "app/form1.h"
#include "app/listingbox.h"
#include "grid/ledgrid.h"
#include "listing/listingtext.h"
#include "listing/packing.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {

// The centre of cell (c, r), r from the top, in the grid's units; and back.
float centreX(int c) {
    return float(c) + 0.5f;
}
float centreY(int r) {
    return float(GridSide - r) - 0.5f;
}

}  // namespace

// The eight cells from the one centred on (x, y), each read at its centre.
uint8_t Form1::LED_Data(float x, float y) const {
    const auto cell = [this](int c, int r) { return LED_Byte(centreX(c), centreY(r)); };
    return PackByte(cell, int(x), int(float(GridSide) - y), OpX->isChecked());
}

void Form1::ScanByRows(ListingText& listing) const {
    ScanRows(GridSide, GridSide,
             [&](int c, int r) { listing.append(LED_Data(centreX(c), centreY(r))); });
}

void Form1::ScanByColumns(ListingText& listing) const {
    ScanColumns(GridSide, GridSide,
                [&](int c, int r) { listing.append(LED_Data(centreX(c), centreY(r))); });
}

void Form1::RefreshListing() {
    // Disabling a frame takes the focus from its option button; it goes back afterwards.
    QWidget* focused = focusWidget();
    Frame2->setEnabled(false);
    Frame1->setEnabled(false);
    ListingText listing(OptC->isChecked() ? Syntax::C : Syntax::Assembly);
    if (OpX->isChecked())
        ScanByRows(listing);
    else
        ScanByColumns(listing);
    Texled(0)->setText(listing.text());
    Frame2->setEnabled(true);
    Frame1->setEnabled(true);
    if (focused && focusWidget() != focused) focused->setFocus();
}

void Form1::OptC_Click() {
    RefreshListing();
}
void Form1::OptR_Click() {
    RefreshListing();
}
void Form1::OpX_Click() {
    RefreshListing();
}
void Form1::OpY_Click() {
    RefreshListing();
}
