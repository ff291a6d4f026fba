#include "app/characterbox.h"

#include "capture/characters.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QValidator>

#include <memory>

namespace {

// Sees the text already changed, so the box tells it what stood there before the edit.
class FirstCharacter : public QValidator {
public:
    explicit FirstCharacter(CharacterBox* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& pos) const override {
        const qsizetype end = FirstCharacterEnd(input);
        if (end <= 0 || end >= input.size()) return Acceptable;
        if (box_->fullBeforeEdit()) return Invalid;  // the box takes the edit back
        input.truncate(end);
        pos = std::min(pos, int(end));
        return Acceptable;
    }

private:
    const CharacterBox* box_;
};

}  // namespace

CharacterBox::CharacterBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new FirstCharacter(this));
}

// Keys, input-method commits, pastes by key, menu or mouse, drops: every edit comes in an event.
// Events can nest (the context menu runs its own loop), so each restores what it found.
bool CharacterBox::event(QEvent* event) {
    const QScopedValueRollback<bool> rollback(fullBeforeEdit_,
                                              !text().isEmpty() && !hasSelectedText());
    return QLineEdit::event(event);
}

// Qt pops the menu up and returns; run here instead, its Paste is an edit inside this event and
// sees what the box held when the menu opened.
void CharacterBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    menu->exec(event->globalPos());
}
