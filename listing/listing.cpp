#include "app/form1.h"
#include "listing/listingbox.h"
#include "listing/listingtext.h"

#include <QGroupBox>
#include <QRadioButton>

uint8_t Form1::LED_Data(float x, float y) const {
    const bool across = OpX->isChecked();
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {  // the first cell read is bit 7
        byte = uint8_t(byte * 2 + LED_Byte(x, y));
        if (across)
            x += 1.0f;
        else
            y -= 1.0f;
    }
    return byte;
}

// Rows from the top, each as its left half and then its right half.
void Form1::ScanByRows(ListingText& listing) const {
    float y = 15.5f;
    for (int row = 0; row < 16; ++row, y -= 1.0f) {
        float x = 0.5f;
        for (int half = 0; half < 2; ++half, x += 8.0f) listing.append(LED_Data(x, y));
    }
}

// Columns from the left, each as its upper half and then its lower half.
void Form1::ScanByColumns(ListingText& listing) const {
    float x = 0.5f;
    for (int column = 0; column < 16; ++column, x += 1.0f) {
        float y = 15.5f;
        for (int half = 0; half < 2; ++half, y -= 8.0f) listing.append(LED_Data(x, y));
    }
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
