#include "font/input.h"

#include "font/coder.h"
#include "font/options.h"
#include "font/source.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name of the input in the table's comment: the same in every language.
QString untranslatedName(const Options& options) {
    if (options.input == QLatin1String("-")) return QStringLiteral("standard input");
    return QLatin1Char('\'') + options.input + QLatin1Char('\'');
}

// Reads the descriptor to its end, or to one byte past the limit. The error number of a failure,
// or 0.
int readUpTo(int fd, qint64 limit, QByteArray& bytes) {
    constexpr qsizetype Chunk = 1 << 20;
    for (;;) {
        const qsizetype at = bytes.size();
        const qsizetype room = qsizetype(std::min<qint64>(Chunk, limit + 1 - at));
        if (room <= 0) return 0;
        bytes.resize(at + room);
        const ssize_t got = ::read(fd, bytes.data() + at, size_t(room));
        bytes.resize(at + std::max<ssize_t>(got, 0));
        if (got == 0) return 0;
        if (got < 0 && errno != EINTR) return errno;
    }
}

}  // namespace

QString InputName(const Options& options) {
    if (!options.charset.isEmpty() && options.from == QLatin1String("font"))
        return QStringLiteral("--charset ") + options.charset;
    if (options.input.isEmpty())
        return QCoreApplication::translate("glimmet-font", "the text arguments");
    if (options.input == QLatin1String("-"))
        return QCoreApplication::translate("glimmet-font", "standard input");
    return Quoted(options.input);
}

// A regular file larger than the limit is refused before a byte is read; a device or a pipe
// (/dev/zero, a program's output) when it gives a byte more.
Diagnostic ReadInput(const Options& options, QByteArray& bytes) {
    const qint64 limit = FindCoder(options.from).limit;
    const bool standard = options.input == QLatin1String("-");
    const int fd = standard
                       ? STDIN_FILENO
                       : ::open(QFile::encodeName(options.input).constData(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    int error = fd < 0 ? errno : 0;
    const bool large =
        !error && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > limit;
    if (!error && !large) error = readUpTo(fd, limit, bytes);
    if (fd > STDERR_FILENO) close(fd);
    if (error) return Failed(CannotRead(InputName(options), SystemReason(error)));
    if (!large && bytes.size() <= limit) return {};
    bytes.clear();
    return Failed(QCoreApplication::translate("glimmet-font",
                                              "%1 holds more than %2 MiB, the most --from %3 reads")
                      .arg(InputName(options))
                      .arg(limit / MiB)
                      .arg(options.from));
}

Diagnostic ParseInput(const Options& options, const Parser& parse, Source& source) {
    QByteArray bytes;
    const Diagnostic read = ReadInput(options, bytes);
    if (!read.ok()) return read;
    QString error;
    std::optional<Source> glyphs = parse(bytes, error);
    if (!glyphs)
        return Failed(
            QCoreApplication::translate("glimmet-font", "%1: %2").arg(InputName(options), error));
    if (glyphs->glyphs.empty())
        return Failed(QCoreApplication::translate("glimmet-font", "no glyph to convert in %1")
                          .arg(InputName(options)));
    source = std::move(*glyphs);
    source.face = untranslatedName(options);
    return {};
}
