// The text input: the UTF-8 check against Qt's own decoder, then the text split into characters.
#include "capture/characters.h"
#include "font/characters.h"
#include "tests/fuzz/fuzzing.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes = Bytes(data, size);
    const qsizetype bad = FirstInvalidUtf8(bytes);
    Require(bad >= -1 && bad < bytes.size(), "an offset inside the input");
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Require((bad < 0) == !decoder.hasError(), "valid UTF-8 as Qt decodes it");
    if (bad >= 0) {
        Require(FirstInvalidUtf8(bytes.first(bad)) < 0, "valid UTF-8 before the first fault");
        return 0;
    }
    QString joined;
    ForEachCharacter(text, [&](const QString& character) {
        Require(FirstCharacterEnd(character) == character.size(), "one character at a time");
        joined += character;
    });
    Require(joined == text, "the characters make up the text");
    Characters characters;
    characters.addText(text);
    for (int32_t i : characters.sequence)
        Require(i >= 0 && size_t(i) < characters.distinct.size(), "a character of the table");
    Require(characters.gb2312.size() == characters.distinct.size(), "a code for each");
    return 0;
}
