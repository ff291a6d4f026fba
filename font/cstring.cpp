#include "font/cstring.h"

#include <cctype>

QString CString(const QByteArray& bytes, const QString& indent) {
    QString string = QStringLiteral("\"");
    bool escaped = false;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const auto byte = uint8_t(bytes[k]);
        if (k && k % 32 == 0)
            string += QStringLiteral("\"\n") + indent + QLatin1Char('"');
        else if (escaped && std::isxdigit(byte))
            string += QStringLiteral("\" \"");
        escaped = byte < 0x20 || byte > 0x7E;
        if (escaped)
            string += QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
        else if (byte == '"' || byte == '\\' || byte == '?')
            string += QStringLiteral("\\") + QLatin1Char(char(byte));
        else
            string += QLatin1Char(char(byte));
    }
    return string + QLatin1Char('"');
}
