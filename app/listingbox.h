#pragma once

#include <QPlainTextEdit>

// The listing box: multi-line, locked, no scroll bars. Its Text is exactly what was set, "\r\n"
// line ends and all; the user may select and copy it but not change it.
class ListingBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ListingBox(QWidget* parent);

    const QString& Text() const { return text_; }
    void setText(const QString& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    QString text_;
};
