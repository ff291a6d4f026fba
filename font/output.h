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
    // Finishes and puts a regular file in place; a file it replaces is kept until the run ends.
    Diagnostic commit();
    // Takes away a file this run put in place, and puts back the one it replaced.
    void remove();

    // "'FILE'", or "standard output", for messages.
    QString name() const;
    const QString& path() const { return path_; }
    bool isTerminal() const;

private:
    void put(QByteArrayView bytes);
    void fail(int error);

    QString path_;
    // A regular file's path, and where it is written first: after the commit, where the file it
    // replaced is, taken away with the output.
    QByteArray target_, temporary_;
    int fd_ = -1;
    bool placed_ = false, exchanged_ = false;
    QByteArray buffer_;
    int error_ = 0;  // of the first failure
};

// Every file of one run, each claimed before it is written: none may be an input or another
// output, by any path (a link, another name of the folder, standard input or output redirected
// from or to it). All are put in place at the end, or none.
class Outputs {
public:
    // The files the outputs must not overwrite, each a path or "-" for standard input, with the
    // words that name it in a message: "the input 'HZK16'".
    explicit Outputs(const std::vector<std::pair<QString, QString>>& inputs);

    // Claims the path for the option's file ahead of writing it: a usage error where it is an
    // input or a file already claimed.
    Diagnostic claim(const QString& path, const char* option);
    // Opens the path's file, claiming it first unless claim() has. Null, with the reason in
    // problem, where it cannot.
    Output* open(const QString& path, const char* option, Diagnostic& problem);
    // The file opened for the path.
    Output* find(const QString& path) const;
    // Puts every file in place in the order they were opened. Where one fails, those put in
    // place before it are taken away again, and the files they replaced put back.
    Diagnostic commit();

private:
    struct Claim {
        QStringList identities;  // as identities() gives them
        QString path, owner;     // the path as given, and its option and name for messages
        bool opened;
    };
    std::vector<Claim> claims_;
    std::vector<std::unique_ptr<Output>> files_;
};
