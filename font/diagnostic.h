#pragma once

#include <QString>
#include <QStringList>

// The exit statuses.
enum Status { Success = 0, Failure = 1, UsageError = 2 };

// How a step of the command ended: Success to go on, or the status the command exits with and
// what it says, already in the user's language.
struct Diagnostic {
    Status status = Success;
    QString message;

    bool ok() const { return status == Success; }
};

// A usage error (exit status 2): the command line asks for what cannot be.
Diagnostic Usage(const QString& message);
// An input or output that fails (exit status 1).
Diagnostic Failed(const QString& message);

// Says the diagnostic on standard error, after the program's name; gives its status.
Status Report(const Diagnostic& diagnostic);
// "warning: ..." on standard error.
void Warn(const QString& message);

// A name in the quotes of the user's language: 'FILE', or “FILE” in Chinese.
QString Quoted(const QString& name);
// The system's reason for an error number, in the user's language.
QString SystemReason(int error);
// "cannot write 'FILE': reason" and "cannot read ...": name is already quoted, or a phrase such
// as "standard input".
QString CannotWrite(const QString& name, const QString& reason);
QString CannotRead(const QString& name, const QString& reason);

// At most this many things are named in a message; the rest are counted.
constexpr int NamedInMessages = 20;
// The first NamedInMessages of the list, "and N more" after them.
QString NamedList(const QStringList& names);
