#include "app/form1.h"
#include "app/listingbox.h"
#include "grid/ledgrid.h"
#include "listing/listingtext.h"
#include "listing/packing.h"

#include <QGroupBox>
#include <QRadioButton>

uint8_t Form1::LED_Data(float x, float y) const {
    return PackByte([this](float x, float y) { return LED_Byte(x, y); }, x, y, OpX->isChecked());
}

void Form1::ScanByRows(ListingText& listing) const {
    ScanRows(GridSide, GridSide, [&](float x, float y) { listing.append(LED_Data(x, y)); });
}

void Form1::ScanByColumns(ListingText& listing) const {
    ScanColumns(GridSide, GridSide, [&](float x, float y) { listing.append(LED_Data(x, y)); });
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
