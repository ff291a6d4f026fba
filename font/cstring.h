#pragma once

#include <QByteArray>
#include <QString>

// Bytes as a C string literal, quotes included, the input's characters as they are where a C
// compiler of any character set reads them: printable ASCII itself (", \ and ? escaped, so that
// no trigraph forms), every other byte a hex escape. A new line, indented, every 32 bytes; the
// string is broken where a hex digit would run on into an escape.
QString CString(const QByteArray& bytes, const QString& indent);
