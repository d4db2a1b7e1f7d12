#include "fileplacement.h"

#include "exporttext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifndef Q_OS_WIN
QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes the file's data to the disk before it takes the name: after a power
// cut the name holds the earlier file or the whole new one.
bool syncFile(const QByteArray& path, QString& errorText)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0) {
        errorText = systemError(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

// The mode and group of the file being replaced, or 0640 for a new name.
bool takeOverOwnership(const QByteArray& source, const QByteArray& target, QString& errorText)
{
    struct stat replaced;
    mode_t mode = S_IRUSR | S_IWUSR | S_IRGRP;
    const bool regular = ::lstat(target.constData(), &replaced) == 0 && S_ISREG(replaced.st_mode);
    if (regular) {
        mode = replaced.st_mode & 07777;
        // Only the owner or root may give the file the group; a file of
        // another owner keeps its group as far as the system allows.
        if (::chown(source.constData(), uid_t(-1), replaced.st_gid) != 0 && errno != EPERM) {
            errorText = systemError(errno);
            return false;
        }
    }
    if (::chmod(source.constData(), mode) != 0) {
        errorText = systemError(errno);
        return false;
    }
    return true;
}
#endif

} // namespace

PrivateExportFolder::PrivateExportFolder(const QString& outDir)
    : folder(QDir(outDir).filePath(QStringLiteral(".orvex-export-XXXXXX")))
{
}

QString PrivateExportFolder::errorString() const
{
    return folder.errorString();
}

bool placeFile(const QString& source, const QString& target, QString& errorText)
{
#ifdef Q_OS_WIN
    // MoveFileEx replaces a link itself, as rename() does on Unix.
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(source).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, GetLastError(), 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    errorText = text ? QString::fromWCharArray(text).trimmed() : OrvexExport::tr("unknown error");
    LocalFree(text);
    return false;
#else
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    if (!takeOverOwnership(from, to, errorText) || !syncFile(from, errorText))
        return false;
    if (::rename(from.constData(), to.constData()) != 0) {
        errorText = systemError(errno);
        return false;
    }
    return true;
#endif
}

qint64 existingFileSize(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() : -1;
}
