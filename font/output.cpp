#include "font/output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype BufferSize = 1 << 16;

bool isStandard(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
}

// What names one file by any path: its device and inode where it exists, else its folder's real
// path and its name. Devices such as /dev/null take anything, from any number of outputs: none.
QString identity(const QString& path, int standard) {
    struct stat info;
    const bool exists = isStandard(path) ? fstat(standard, &info) == 0
                                         : stat(QFile::encodeName(path).constData(), &info) == 0;
    if (exists && S_ISCHR(info.st_mode)) return {};
    if (exists) return QStringLiteral("%1:%2").arg(info.st_dev).arg(info.st_ino);
    if (isStandard(path)) return {};
    const QFileInfo file(path);
    return file.absoluteDir().canonicalPath() + QLatin1Char('/') + file.fileName();
}

// The permissions of a file put in place: those of the file it replaces, or the usual ones.
mode_t permissions(const QByteArray& target) {
    struct stat info;
    if (stat(target.constData(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

Output::Output(const QString& path) : path_(path) {}

Output::~Output() {
    if (!temporary_.isEmpty()) unlink(temporary_.constData());
    if (fd_ > STDERR_FILENO) close(fd_);
}

QString Output::name() const {
    return isStandard(path_) ? QCoreApplication::translate("glimmet-font", "standard output")
                             : Quoted(path_);
}

bool Output::isTerminal() const {
    return fd_ >= 0 && isatty(fd_);
}

// A device or a pipe is written as it stands: replacing it with a file would be wrong. A regular
// file keeps its permissions, and a link the file it links to.
Diagnostic Output::open() {
    if (isStandard(path_)) {
        fd_ = STDOUT_FILENO;
        return {};
    }
    const QFileInfo file(path_);
    if (file.exists() && !file.isFile()) {
        fd_ = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0) fail(errno);
    } else {
        target_ = QFile::encodeName(file.exists() ? file.canonicalFilePath() : path_);
        temporary_ = target_ + ".XXXXXX";
        fd_ = mkostemp(temporary_.data(), O_CLOEXEC);
        if (fd_ < 0) {
            fail(errno);
            temporary_.clear();
        } else if (fchmod(fd_, permissions(target_)) != 0) {
            fail(errno);
        }
    }
    return error_ ? Failed(CannotWrite(name(), SystemReason(error_))) : Diagnostic();
}

void Output::fail(int error) {
    if (!error_) error_ = error ? error : EIO;
}

// Small pieces gather in the buffer; what would overflow it goes straight to the file.
void Output::write(QByteArrayView bytes) {
    if (buffer_.size() + bytes.size() < BufferSize) return void(buffer_.append(bytes));
    finish();
    put(bytes);
}

void Output::put(QByteArrayView bytes) {
    for (qsizetype done = 0; !error_ && done < bytes.size();) {
        const ssize_t written = ::write(fd_, bytes.data() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR) fail(errno);
        if (written > 0) done += written;
    }
}

Diagnostic Output::finish() {
    put(buffer_);
    buffer_.clear();
    return error_ ? Failed(CannotWrite(name(), SystemReason(error_))) : Diagnostic();
}

Diagnostic Output::commit() {
    Diagnostic finished = finish();
    if (!finished.ok() || temporary_.isEmpty()) return finished;
    if (fdatasync(fd_) != 0 && errno != EINVAL) fail(errno);
    if (close(fd_) != 0) fail(errno);
    fd_ = -1;
    if (!error_ && rename(temporary_.constData(), target_.constData()) != 0) fail(errno);
    if (error_) return Failed(CannotWrite(name(), SystemReason(error_)));
    temporary_.clear();
    placed_ = true;
    return {};
}

void Output::remove() {
    if (placed_) unlink(target_.constData());
    placed_ = false;
}

Outputs::Outputs(const QString& input) {
    if (!input.isEmpty()) claimed_.push_back(identity(input, STDIN_FILENO));
}

Diagnostic Outputs::claim(const QString& path) {
    const QString id = identity(path, STDOUT_FILENO);
    if (!id.isEmpty() && std::count(claimed_.begin(), claimed_.end(), id))
        return Usage(QCoreApplication::translate(
                         "glimmet-font", "%1 is already the input or another output of this run")
                         .arg(isStandard(path)
                                  ? QCoreApplication::translate("glimmet-font", "standard output")
                                  : Quoted(path)));
    claimed_.push_back(id);
    return {};
}

Output* Outputs::open(const QString& path, Diagnostic& problem) {
    problem = claim(path);
    if (!problem.ok()) return nullptr;
    auto file = std::make_unique<Output>(path);
    problem = file->open();
    if (!problem.ok()) return nullptr;
    files_.push_back(std::move(file));
    return files_.back().get();
}

Output* Outputs::find(const QString& path) const {
    for (const auto& file : files_)
        if (file->path() == path) return file.get();
    return nullptr;
}

Diagnostic Outputs::commit() {
    for (const auto& file : files_) {
        const Diagnostic finished = file->finish();
        if (!finished.ok()) return finished;
    }
    for (size_t k = 0; k < files_.size(); ++k) {
        const Diagnostic committed = files_[k]->commit();
        if (committed.ok()) continue;
        for (size_t j = 0; j < k; ++j) files_[j]->remove();
        return committed;
    }
    return {};
}
