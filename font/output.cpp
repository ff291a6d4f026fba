#include "font/output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qsizetype BufferSize = 1 << 16;

bool isStandard(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
}

QString nameOf(const QString& path) {
    return isStandard(path) ? QCoreApplication::translate("glimmet-font", "standard output")
                            : Quoted(path);
}

// What names one file by any path: its device and inode where it exists, else its folder's real
// path and its name; standard output is also itself, whatever it is redirected to. Devices such
// as /dev/null take anything, from any number of outputs.
QStringList identities(const QString& path, int standard) {
    QStringList names;
    if (isStandard(path) && standard == STDOUT_FILENO) names << QStringLiteral("-");
    struct stat info;
    const bool exists = isStandard(path) ? fstat(standard, &info) == 0
                                         : stat(QFile::encodeName(path).constData(), &info) == 0;
    if (exists && !S_ISCHR(info.st_mode))
        names << QStringLiteral("%1:%2").arg(info.st_dev).arg(info.st_ino);
    if (!exists && !isStandard(path)) {
        const QFileInfo file(path);
        names << file.absoluteDir().canonicalPath() + QLatin1Char('/') + file.fileName();
    }
    return names;
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
    return nameOf(path_);
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
    // Exchanged, the file replaced stays where the temporary was until the run ends; a file
    // system that cannot exchange replaces it at once.
    exchanged_ = !error_ && renameat2(AT_FDCWD, temporary_.constData(), AT_FDCWD,
                                      target_.constData(), RENAME_EXCHANGE) == 0;
    if (!error_ && !exchanged_ && rename(temporary_.constData(), target_.constData()) != 0)
        fail(errno);
    if (error_) return Failed(CannotWrite(name(), SystemReason(error_)));
    if (!exchanged_) temporary_.clear();
    placed_ = true;
    return {};
}

void Output::remove() {
    if (placed_ && exchanged_)
        renameat2(AT_FDCWD, temporary_.constData(), AT_FDCWD, target_.constData(), RENAME_EXCHANGE);
    else if (placed_)
        unlink(target_.constData());
    placed_ = false;
}

Outputs::Outputs(const std::vector<std::pair<QString, QString>>& inputs) {
    for (const auto& [path, owner] : inputs)
        claims_.push_back({identities(path, STDIN_FILENO), path, owner, true});
}

Diagnostic Outputs::claim(const QString& path, const char* option) {
    const QStringList names = identities(path, STDOUT_FILENO);
    // "-o 'FILE'", "--preview -", or "standard output" where no option names it.
    const QString owner = *option ? QString::fromLatin1(option) + QLatin1Char(' ') +
                                        (isStandard(path) ? QStringLiteral("-") : Quoted(path))
                                  : nameOf(path);
    for (const Claim& claim : claims_)
        for (const QString& name : names)
            if (claim.identities.contains(name))
                return Usage(
                    QCoreApplication::translate("glimmet-font", "%1 is the same file as %2")
                        .arg(owner, claim.owner));
    claims_.push_back({names, path, owner, false});
    return {};
}

Output* Outputs::open(const QString& path, const char* option, Diagnostic& problem) {
    auto claimed = std::find_if(claims_.begin(), claims_.end(), [&](const Claim& claim) {
        return !claim.opened && claim.path == path;
    });
    if (claimed == claims_.end()) {
        problem = claim(path, option);
        if (!problem.ok()) return nullptr;
        claimed = claims_.end() - 1;
    }
    claimed->opened = true;
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
