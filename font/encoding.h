#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The encodings an input file may be in, by the names --encoding takes: utf-8, gbk, gb18030,
// big5, utf-16 (by its byte order mark, little-endian without one), utf-16le and utf-16be.
QStringList EncodingNames();

// How the name is written in a message: "GBK", "Big5", "UTF-16LE".
QString EncodingLabel(const QString& name);

// The text of the bytes in the encoding, decoded by glibc's iconv (UTF-8 by our own check). Empty,
// with the offset of the first byte that is not valid in it in bad, when they are not all valid.
std::optional<QString> Decode(QByteArrayView bytes, const QString& name, qsizetype& bad);

// The encoding a UTF-16 byte order mark at the start tells; utf-8 without one.
QString EncodingOfMark(QByteArrayView bytes);

// For bytes that are not UTF-8, the encodings they may be in, the likelier first: empty when
// none fits the whole of them.
QStringList LikelyEncodings(QByteArrayView bytes);
