#include "font/output.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr qsizetype BufferSize = 1 << 20;

}  // namespace

// A device or a pipe is written as it stands: replacing it with a file would be wrong.
bool Output::open(const QString& path) {
    path_ = path;
    const QFileInfo target(path);
    if (path.isEmpty() || (target.exists() && !target.isFile())) {
        auto file = std::make_unique<QFile>(path);
        const bool opened = path.isEmpty() ? file->open(stdout, QIODevice::WriteOnly)
                                           : file->open(QIODevice::WriteOnly);
        file_ = std::move(file);
        return opened;
    }
    file_ = std::make_unique<QSaveFile>(path);
    return file_->open(QIODevice::WriteOnly);
}

void Output::write(const QByteArray& bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= BufferSize) flush();
}

bool Output::flush() {
    if (!failed_ && !buffer_.isEmpty()) failed_ = file_->write(buffer_) != buffer_.size();
    buffer_.clear();
    return !failed_ && file_->flush();
}

bool Output::commit() {
    const bool written = flush();
    auto* save = dynamic_cast<QSaveFile*>(file_.get());
    if (!save) {
        file_->close();
        return written && file_->error() == QFileDevice::NoError;
    }
    if (!written) save->cancelWriting();
    return save->commit() && written;
}

QString Output::error() const {
    const QString where =
        path_.isEmpty() ? QStringLiteral("standard output") : QStringLiteral("'%1'").arg(path_);
    return QStringLiteral("cannot write %1: %2").arg(where, file_->errorString());
}
