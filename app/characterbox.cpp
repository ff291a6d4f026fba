#include "app/characterbox.h"

#include <QTextBoundaryFinder>
#include <QValidator>

namespace {

class FirstCharacter : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, input);
        const qsizetype end = graphemes.toNextBoundary();
        if (end > 0 && end < input.size()) {
            input.truncate(end);
            pos = std::min(pos, int(end));
        }
        return Acceptable;
    }
};

}  // namespace

CharacterBox::CharacterBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new FirstCharacter(this));
}
