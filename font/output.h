#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <memory>

// Where a table goes: a file, written whole or not at all, or standard output, or a device, both
// written as the table is made. Buffered, so a table of any size passes through a little at a
// time.
class Output {
public:
    // An empty path is standard output. False, with the reason in error(), when it cannot be
    // opened.
    bool open(const QString& path);
    void write(const QByteArray& bytes);
    // Writes what is left and puts a file in place. False when anything failed.
    bool commit();
    QString error() const;

private:
    bool flush();

    QString path_;
    std::unique_ptr<QFileDevice> file_;
    QByteArray buffer_;
    bool failed_ = false;
};
