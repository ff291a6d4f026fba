#pragma once

#include <QLineEdit>

// The character box: holds at most one character as a user sees it (a whole grapheme, so an
// emoji or a letter with its accents is never split). Typing or pasting more keeps the first.
class CharacterBox : public QLineEdit {
    Q_OBJECT
public:
    explicit CharacterBox(QWidget* parent);
};
