#include "font/diagnostic.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The reasons a file commonly fails for, in the C library's words; others keep its own.
struct Reason {
    int error;
    const char* text;
};

constexpr Reason Reasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("glimmet-font", "No such file or directory")},
    {EACCES, QT_TRANSLATE_NOOP("glimmet-font", "Permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("glimmet-font", "Operation not permitted")},
    {ENOSPC, QT_TRANSLATE_NOOP("glimmet-font", "No space left on device")},
    {EDQUOT, QT_TRANSLATE_NOOP("glimmet-font", "Disk quota exceeded")},
    {EFBIG, QT_TRANSLATE_NOOP("glimmet-font", "File too large")},
    {EISDIR, QT_TRANSLATE_NOOP("glimmet-font", "Is a directory")},
    {ENOTDIR, QT_TRANSLATE_NOOP("glimmet-font", "Not a directory")},
    {EROFS, QT_TRANSLATE_NOOP("glimmet-font", "Read-only file system")},
    {EIO, QT_TRANSLATE_NOOP("glimmet-font", "Input/output error")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("glimmet-font", "File name too long")},
    {ELOOP, QT_TRANSLATE_NOOP("glimmet-font", "Too many levels of symbolic links")},
    {EMFILE, QT_TRANSLATE_NOOP("glimmet-font", "Too many open files")},
    {ENXIO, QT_TRANSLATE_NOOP("glimmet-font", "No such device or address")},
    {EPIPE, QT_TRANSLATE_NOOP("glimmet-font", "Broken pipe")},
    {EBUSY, QT_TRANSLATE_NOOP("glimmet-font", "Device or resource busy")},
    {ETXTBSY, QT_TRANSLATE_NOOP("glimmet-font", "Text file busy")},
    {EXDEV, QT_TRANSLATE_NOOP("glimmet-font", "Invalid cross-device link")},
    {ENOMEM, QT_TRANSLATE_NOOP("glimmet-font", "Cannot allocate memory")},
    {EINVAL, QT_TRANSLATE_NOOP("glimmet-font", "Invalid argument")},
    {EAGAIN, QT_TRANSLATE_NOOP("glimmet-font", "Resource temporarily unavailable")},
    {ENODEV, QT_TRANSLATE_NOOP("glimmet-font", "No such device")},
    {EOVERFLOW, QT_TRANSLATE_NOOP("glimmet-font", "Value too large for defined data type")},
    {EOPNOTSUPP, QT_TRANSLATE_NOOP("glimmet-font", "Operation not supported")},
    {ESTALE, QT_TRANSLATE_NOOP("glimmet-font", "Stale file handle")},
};

QString translated(const char* text) {
    return QCoreApplication::translate("glimmet-font", text);
}

}  // namespace

Diagnostic Usage(const QString& message) {
    return {UsageError, message};
}

Diagnostic Failed(const QString& message) {
    return {Failure, message};
}

Status Report(const Diagnostic& diagnostic) {
    if (!diagnostic.ok())
        std::fprintf(stderr, "glimmet-font: %s\n", qPrintable(diagnostic.message));
    return diagnostic.status;
}

void Warn(const QString& message) {
    std::fprintf(
        stderr, "glimmet-font: %s\n",
        qPrintable(QCoreApplication::translate("glimmet-font", "warning: %1").arg(message)));
}

QString Quoted(const QString& name) {
    return QCoreApplication::translate("glimmet-font", "'%1'").arg(name);
}

QString SystemReason(int error) {
    for (const Reason& reason : Reasons)
        if (reason.error == error) return translated(reason.text);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString CannotWrite(const QString& name, const QString& reason) {
    return QCoreApplication::translate("glimmet-font", "cannot write %1: %2").arg(name, reason);
}

QString CannotRead(const QString& name, const QString& reason) {
    return QCoreApplication::translate("glimmet-font", "cannot read %1: %2").arg(name, reason);
}

QString NamedList(const QStringList& names) {
    QString list = names.first(std::min<qsizetype>(names.size(), NamedInMessages))
                       .join(QCoreApplication::translate("glimmet-font", ", "));
    if (names.size() > NamedInMessages)
        list += QCoreApplication::translate("glimmet-font", " and %1 more")
                    .arg(names.size() - NamedInMessages);
    return list;
}
