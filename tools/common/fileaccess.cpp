#include "fileaccess.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

void restrictNewFiles()
{
#ifndef Q_OS_WIN
    ::umask(::umask(0) | S_IWGRP | S_IRWXO);
#endif
}

void restrictToOwnerAndGroup(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}
