#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class CharacterBox;
class ListingBox;
class ListingText;
class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The one window. Its controls hold all of the program's state: the pattern in Picled's pixels,
// the two choices in the option buttons, the character in Texcd and the listing in Texled(0).
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1();

    // Raises the window's Load event; done once, before the window is first shown.
    void Load();

    ListingBox* Texled(int index) const { return texled_.at(index); }

    // 1 when the pixel under (x, y) of the grid is exactly the lit colour, else 0.
    uint8_t LED_Byte(float x, float y) const;
    // Eight cells packed into a byte, the first in bit 7, from the cell centred on (x, y):
    // rightwards when OpX is selected, else downwards.
    uint8_t LED_Data(float x, float y) const;

    // The controls, in the order of their creation; frames come before their option buttons.
    QPushButton* const Commargin;
    QPushButton* const Comstuff;
    QPushButton* const Cocontrary;
    QPushButton* const Comchange;
    QPushButton* const Comleave;
    QPushButton* const Comconcerning;
    QLabel* const Label2;
    QLabel* const Laled;
    QLabel* const Label1;
    PictureBox* const Picled;
    CharacterBox* const Texcd;
    PictureBox* const PicText;
    QGroupBox* const Frame1;
    QGroupBox* const Frame2;
    QRadioButton* const OptR;
    QRadioButton* const OptC;
    QRadioButton* const OpY;
    QRadioButton* const OpX;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class TestAccess;

    void Form_Load();
    void Comconcerning_Click();
    void Comleave_Click();
    void Picled_MouseDown(int Button, int Shift, float X, float Y);
    void Commargin_Click();
    void Comstuff_Click();
    void Cocontrary_Click();
    void Comchange_Click();

    void OptC_Click();
    void OptR_Click();
    void OpX_Click();
    void OpY_Click();

    void PaintAllCells(uint8_t fillStyle, int32_t fillColour);
    // Flips the cell centred on (x, y), then refreshes the listing.
    void ToggleCell(float x, float y);
    void ScanByRows(ListingText& listing) const;
    void ScanByColumns(ListingText& listing) const;
    // Rewrites the listing from the grid in the chosen syntax and scan order.
    void RefreshListing();
    // Prints the text of Texcd on PicText and samples it into the grid.
    void CaptureCharacter();
    void PrintCharacter();
    void SampleCharacter();

    const std::array<ListingBox*, 1> texled_;
};
