#include "storage/DataFile.h"

#include "storage/DataArchive.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DataFile::Notifier& notifier()
{
    static DataFile::Notifier n;
    return n;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

void DataFile::setDamageNotifier(Notifier n)
{
    notifier() = std::move(n);
}

void DataFile::resetAttributes(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::lstat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_IRUSR | S_IWUSR)) != (S_IRUSR | S_IWUSR))
        ::chmod(native.constData(), (st.st_mode & 07777) | S_IRUSR | S_IWUSR);
}

DataFile::LoadStatus DataFile::load(const QString& path, const Reader& read, const TextCodec* codec)
{
    if (!QFileInfo::exists(path))
        return LoadStatus::Missing;
    resetAttributes(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadStatus::Unreadable;
    // Data files are small: read the whole file once and decode from memory, so each
    // value costs no system call.
    QByteArray bytes = file.readAll();
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        DataArchive ar(&buffer, DataArchive::Mode::Load, codec);
        read(ar);
        return LoadStatus::Loaded;
    } catch (const ArchiveEofError&) {
        // Keep the user's data: the damaged file goes aside before anything can rewrite it.
        const QString aside = path + QStringLiteral(".bad");
        QFile::remove(aside);
        QFile::rename(path, aside);
        if (notifier())
            notifier()(ArchiveEofError::message());
        else
            qWarning().noquote() << ArchiveEofError::message() << path;
        return LoadStatus::Damaged;
    }
}

bool DataFile::store(const QString& path, const Writer& write, Access access)
{
    // Serialise into memory first: data files are small, and nothing reaches the disk
    // unless the whole content was produced.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        DataArchive ar(&buffer, DataArchive::Mode::Store);
        write(ar);
        if (!ar.flush())
            return false;
    }

    if (QFileInfo::exists(path))
        resetAttributes(path);
    const QByteArray target = QFile::encodeName(path);
    const mode_t mode = access == Access::OwnerOnly ? 0600 : 0644;
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + QByteArray::number(::getpid()) + "-" + QByteArray::number(attempt);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    if (access == Access::OwnerOnly)
        ::fchmod(fd, 0600); // the umask must not widen or narrow it
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.constData(), target.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    // Make the rename itself durable.
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dfd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}
