#pragma once

#include "font/diagnostic.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

// One file the command writes: a regular file, written whole or not at all (into a temporary
// file beside it, put in its place at the end); a device or a pipe, written in place; or standard
// output, named "-". Buffered, so a table of any size passes through a little at a time.
class Output {
public:
    explicit Output(const QString& path);
    ~Output();  // takes away a temporary file that was not put in place
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Diagnostic open();
    void write(QByteArrayView bytes);
    // Writes what is buffered; a failure here or before is the diagnostic.
    Diagnostic finish();
    // Finishes and puts a regular file in place.
    Diagnostic commit();
    // Takes away a file this run put in place.
    void remove();

    // "'FILE'", or "standard output", for messages.
    QString name() const;
    const QString& path() const { return path_; }
    bool isTerminal() const;

private:
    void put(QByteArrayView bytes);
    void fail(int error);

    QString path_;
    QByteArray target_, temporary_;  // a regular file's path, and where it is written first
    int fd_ = -1;
    bool placed_ = false;
    QByteArray buffer_;
    int error_ = 0;  // of the first failure
};

// Every file of one run, each claimed before it is written: none may be the input or another
// output, by any path. All are put in place at the end, or none.
class Outputs {
public:
    // The input the outputs must not overwrite: a path, or "-" for standard input.
    explicit Outputs(const QString& input);

    // A usage error where the path names the input or a file already claimed.
    Diagnostic claim(const QString& path);
    // Claims the path and opens its file. Null, with the reason in problem, where it cannot.
    Output* open(const QString& path, Diagnostic& problem);
    // The file opened for the path.
    Output* find(const QString& path) const;
    // Puts every file in place in the order they were opened. Where one fails, those put in
    // place before it are taken away again.
    Diagnostic commit();

private:
    std::vector<QString> claimed_;  // identities of the files, as identity() gives them
    std::vector<std::unique_ptr<Output>> files_;
};
