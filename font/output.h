#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <memory>

// Where a table or a page of a sheet goes: a file, written whole or not at all, or standard
// output, or a device, both written as the table is made. Buffered, so a table of any size passes
// through a little at a time.
class Output {
public:
    // An empty path is standard output. False, with the reason in error(), when it cannot be
    // opened.
    bool open(const QString& path);
    void write(const QByteArray& bytes);
    // Writes what is left. False when anything failed: a file is then not put in place.
    bool finish();
    // Finishes and puts a file in place. False when anything failed.
    bool commit();
    // "cannot write 'FILE': " and the system's reason for the first failure.
    QString error() const;

private:
    void fail();

    QString path_;
    std::unique_ptr<QFileDevice> file_;
    QByteArray buffer_;
    QString reason_;  // of the first failure; empty while none
};
