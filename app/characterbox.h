#pragma once

#include <QLineEdit>

// The character box: holds at most one character as a user sees it (a whole grapheme, so an
// emoji or a letter with its accents is never split). With a character in it and nothing
// selected, a second one is refused wherever the cursor stands; into an empty box or over the
// selection, typing or pasting keeps the first character of what comes in.
class CharacterBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CharacterBox(QWidget* parent);

    // Whether the box was full, with nothing selected, before the event being handled.
    bool fullBeforeEdit() const { return fullBeforeEdit_; }

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool fullBeforeEdit_ = false;
};
