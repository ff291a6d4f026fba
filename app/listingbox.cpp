#include "app/listingbox.h"

#include <QMimeData>
#include <QTextDocumentFragment>

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

// The box shows the listing without its last line end, but a copy that reaches the end takes it
// along: two listings pasted one after the other must not run together. Plain text only, with
// the platform's line ends.
QMimeData* ListingBox::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    QString copied = cursor.selection().toPlainText();
    const bool toTheEnd = cursor.selectionEnd() == document()->characterCount() - 1;
    if (toTheEnd && text_.endsWith(QLatin1String("\r\n"))) copied += '\n';
    auto* data = new QMimeData;
    data->setText(copied);
    return data;
}
