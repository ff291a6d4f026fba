#include "app/form1.h"

#include "app/characterbox.h"
#include "app/defaultpicture.h"
#include "app/listingbox.h"
#include "app/picturebox.h"
#include "capture/fonts.h"
#include "grid/ledgrid.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

// Places and sizes are pixels of the window's client area (for controls in a frame, of the
// frame), as laid out for 96 dpi; Qt scales them on denser screens.
namespace {

template <class Control>
Control* named(Control* control, const char* name, const QRect& place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    auto* button = named(new QPushButton(QString::fromUtf8(caption), parent), name, place);
    button->setAutoDefault(true);  // Enter clicks the focused button, as Space does
    // The caption is spaced out for the eye; a screen reader says the word.
    button->setAccessibleName(button->text().remove(' '));
    return button;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    auto* label = named(new QLabel(QString::fromUtf8(caption), parent), name, place);
    label->setFont(TwelvePointFont());
    return label;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    return named(new QGroupBox(QString::fromUtf8(caption), parent), name, place);
}

QRadioButton* option(QGroupBox* frame, const char* name, const char* caption, const QRect& place,
                     bool value) {
    auto* option = named(new QRadioButton(QString::fromUtf8(caption), frame), name, place);
    option->setChecked(value);
    return option;
}

PictureBox* pictureBox(QWidget* parent, const char* name, const QRect& place, bool bordered) {
    auto* box = new PictureBox(parent, place, bordered);
    box->setObjectName(QLatin1String(name));
    box->setFont(TwelvePointFont());
    return box;
}

CharacterBox* characterBox(QWidget* parent, const QRect& place) {
    auto* box = named(new CharacterBox(parent), "Texcd", place);
    // The font before the text: the font it inherits has no glyph for the character, and laying
    // it out there would send Qt searching for a fallback font and opening one it never uses.
    box->setFont(TwelvePointFont());
    box->setText(QStringLiteral("亮"));
    return box;
}

QEvent::Type loadEvent() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

}  // namespace

Form1::Form1()
    : Commargin(button(this, "Commargin", "空  白", {16, 16, 65, 25})),
      Comstuff(button(this, "Comstuff", "填  充", {96, 16, 73, 25})),
      Cocontrary(button(this, "Cocontrary", "相  反", {184, 16, 65, 25})),
      Comchange(button(this, "Comchange", "转  换", {264, 16, 65, 25})),
      Comleave(button(this, "Comleave", "离  开", {344, 16, 73, 25})),
      Comconcerning(button(this, "Comconcerning", "关  于", {432, 16, 65, 25})),
      Label2(label(this, "Label2", "LED 仿真输出显示", {16, 64, 233, 17})),
      Laled(label(this, "Laled", "汉字", {272, 64, 33, 17})),
      Label1(label(this, "Label1", "输出数据", {336, 64, 121, 17})),
      Picled(pictureBox(this, "Picled", {16, 88, 233, 233}, false)),
      Texcd(characterBox(this, {272, 88, 41, 57})),
      PicText(pictureBox(this, "PicText", {272, 144, 41, 49}, true)),
      Frame1(frame(this, "Frame1", "语言输出格式", {272, 200, 225, 57})),
      Frame2(frame(this, "Frame2", "数据转换格式", {272, 264, 225, 57})),
      OptR(option(Frame1, "OptR", "汇编语言", {8, 24, 73, 17}, true)),
      OptC(option(Frame1, "OptC", "C 语言", {128, 24, 57, 17}, false)),
      OpY(option(Frame2, "OpY", "竖向读取", {8, 24, 81, 17}, true)),
      OpX(option(Frame2, "OpX", "横向读取", {128, 24, 73, 17}, false)),
      texled_{named(new ListingBox(this), "Texled", {336, 88, 161, 105})} {
    setWindowTitle(QStringLiteral("Glimmet 1.0    Glimmet 开发组 2026"));
    setWindowIcon(QIcon(QStringLiteral(":/glimmet.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    setGeometry(262, 237, 513, 338);  // the client area, not the frame
    setFixedSize(513, 338);

    Picled->setPicture(PaintDefaultPicture);
    Picled->setAccessibleDescription(QStringLiteral("16×16 LED 点阵，按下切换一个点"));
    PicText->setAccessibleName(QStringLiteral("字形预览"));
    // Each label names the control under it, for a screen reader as for the eye.
    Label2->setBuddy(Picled);
    Laled->setBuddy(Texcd);
    Label1->setBuddy(Texled(0));
    Comchange->setDefault(true);

    // The tab order; labels and frames hold places in it but never take the focus.
    QWidget* const order[] = {Picled,   Commargin,     Comstuff, Cocontrary, Comchange,
                              Comleave, Comconcerning, OptR,     OptC,       Texled(0),
                              Texcd,    OpY,           OpX,      PicText};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    Picled->setFocus();

    connect(Picled, &PictureBox::MouseDown, this, &Form1::Picled_MouseDown);
    connect(Commargin, &QPushButton::clicked, this, &Form1::Commargin_Click);
    connect(Comstuff, &QPushButton::clicked, this, &Form1::Comstuff_Click);
    connect(Cocontrary, &QPushButton::clicked, this, &Form1::Cocontrary_Click);
    connect(Comchange, &QPushButton::clicked, this, &Form1::Comchange_Click);
    connect(Comconcerning, &QPushButton::clicked, this, &Form1::Comconcerning_Click);
    connect(Comleave, &QPushButton::clicked, this, &Form1::Comleave_Click);
    connect(OptC, &QRadioButton::clicked, this, &Form1::OptC_Click);
    connect(OptR, &QRadioButton::clicked, this, &Form1::OptR_Click);
    connect(OpX, &QRadioButton::clicked, this, &Form1::OpX_Click);
    connect(OpY, &QRadioButton::clicked, this, &Form1::OpY_Click);
}

void Form1::Load() {
    QEvent load(loadEvent());
    QCoreApplication::sendEvent(this, &load);
}

bool Form1::event(QEvent* event) {
    if (event->type() != loadEvent()) return QWidget::event(event);
    Form_Load();
    return true;
}

// Enter anywhere but on another focused button clicks the default button.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Comchange->click();
    else
        QWidget::keyPressEvent(event);
}

// Of the two options of a frame only the selected one is a tab stop, for Tab and Shift+Tab
// alike. Qt makes the last focused option the stop, which after Shift+Tab or a press released
// off an option is the other one; the arrow keys move within a frame without tab stops.
bool Form1::focusNextPrevChild(bool next) {
    for (QRadioButton* option : {OptR, OptC, OpY, OpX}) {
        const int policy = option->focusPolicy();
        option->setFocusPolicy(
            Qt::FocusPolicy(option->isChecked() ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
    return QWidget::focusNextPrevChild(next);
}

void Form1::Form_Load() {
    SetUpGrid(*Picled);
    RefreshListing();
}

void Form1::Comconcerning_Click() {
    QMessageBox about(
        QMessageBox::Warning, QStringLiteral("关于"),
        QStringLiteral("Glimmet 1.0\n16×16 LED 点阵字模生成工具\n    Glimmet 开发组 2026"),
        QMessageBox::Ok, this);
    about.exec();
}

// Nothing is asked and nothing is saved.
void Form1::Comleave_Click() {
    QCoreApplication::exit(0);
}
