#include "font/output.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace {

constexpr qsizetype BufferSize = 1 << 20;

}  // namespace

// A device or a pipe is written as it stands: replacing it with a file would be wrong.
bool Output::open(const QString& path) {
    path_ = path;
    const QFileInfo target(path);
    if (path.isEmpty() || (target.exists() && !target.isFile())) {
        auto file = std::make_unique<QFile>(path);
        if (path.isEmpty())
            file->open(stdout, QIODevice::WriteOnly);
        else
            file->open(QIODevice::WriteOnly);
        file_ = std::move(file);
    } else {
        file_ = std::make_unique<QSaveFile>(path);
        file_->open(QIODevice::WriteOnly);
    }
    if (!file_->isOpen()) fail();
    return file_->isOpen();
}

void Output::write(const QByteArray& bytes) {
    buffer_ += bytes;
    if (buffer_.size() >= BufferSize) finish();
}

bool Output::finish() {
    if (reason_.isEmpty() && (file_->write(buffer_) != buffer_.size() || !file_->flush())) fail();
    buffer_.clear();
    return reason_.isEmpty();
}

// The reason is taken where the write fails: QSaveFile forgets it by the time it commits.
void Output::fail() {
    const int code = errno;
    if (!reason_.isEmpty()) return;
    reason_ = file_->error() != QFileDevice::NoError ? file_->errorString()
                                                     : QString::fromLocal8Bit(std::strerror(code));
}

bool Output::commit() {
    const bool written = finish();
    if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) {
        if (!written) save->cancelWriting();
        if (save->commit()) return true;
    } else {
        file_->close();
        if (written && file_->error() == QFileDevice::NoError) return true;
    }
    fail();
    return false;
}

QString Output::error() const {
    return path_.isEmpty()
               ? QCoreApplication::translate("glimmet-font", "cannot write standard output: %1")
                     .arg(reason_)
               : QCoreApplication::translate("glimmet-font", "cannot write '%1': %2")
                     .arg(path_, reason_);
}
