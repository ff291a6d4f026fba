#pragma once

#include <QString>

#include <cstdint>

enum class Syntax { C, Assembly };

// One byte as a constant: "0x7F" in C, and for the assemblers that read C's numbers (sdas8051,
// GNU as); "7FH" in Intel's assembly (A51, as31), with a leading 0 where the first digit is a
// letter ("0FFH") so that an assembler reads a number, not a symbol.
QString ValueText(uint8_t value, Syntax syntax);

// The listing, built one value at a time: four values to a line, "," between them, the line end
// after the fourth. The window's listing has no line start and ends its lines with "\r\n"; a
// table in a source file starts them with its indent or directive.
class ListingText {
public:
    explicit ListingText(Syntax syntax, QString lineStart = {},
                         QString lineEnd = QStringLiteral("\r\n"))
        : syntax_(syntax), lineStart_(std::move(lineStart)), lineEnd_(std::move(lineEnd)) {}

    void append(uint8_t value);
    const QString& text() const { return text_; }

private:
    Syntax syntax_;
    QString lineStart_, lineEnd_;
    QString text_;
    int separatorCounter_ = 0;
};
