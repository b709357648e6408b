#include "platform/linux/PosixFiles.h"

#include <QFile>

#include <sys/stat.h>

bool PosixFiles::resetAttributes(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st{};
    if (lstat(native.constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode))
        return true;
    const mode_t wanted = (st.st_mode & 07777) | S_IRUSR | S_IWUSR;
    return wanted == (st.st_mode & 07777) || chmod(native.constData(), wanted) == 0;
}
