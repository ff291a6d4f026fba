#include "app/listingbox.h"

ListingBox::ListingBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Eight lines of 12 pixels need 96 of the 101 pixels inside the border.
    document()->setDocumentMargin(2);
}

void ListingBox::setText(const QString& text) {
    text_ = text;
    // The last line end would open a ninth, empty line that scrolls the first out of sight.
    QString shown = text;
    if (shown.endsWith(QLatin1String("\r\n"))) shown.chop(2);
    setPlainText(shown);
}
