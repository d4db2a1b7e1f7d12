#include "displayprobe.h"

#include <QList>
#include <QtGlobal>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN
namespace {

const int probeMilliseconds = 1000;

// Connects `fd` to `address` within the probe's time.
bool connectWithin(int fd, const sockaddr* address, socklen_t length)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    if (::connect(fd, address, length) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    pollfd wanted = {fd, POLLOUT, 0};
    if (::poll(&wanted, 1, probeMilliseconds) != 1)
        return false;
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

bool unixSocketAnswers(const QByteArray& path, bool abstract)
{
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const int offset = abstract ? 1 : 0;
    if (path.size() + offset >= int(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), size_t(path.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(offset + path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool answered = connectWithin(fd, reinterpret_cast<const sockaddr*>(&address), length);
    ::close(fd);
    return answered;
}

bool tcpPortAnswers(const QByteArray& host, int port)
{
    addrinfo hints;
    std::memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool answered = false;
    for (addrinfo* entry = found; entry && !answered; entry = entry->ai_next) {
        const int fd = ::socket(entry->ai_family, entry->ai_socktype, entry->ai_protocol);
        if (fd < 0)
            continue;
        answered = connectWithin(fd, entry->ai_addr, entry->ai_addrlen);
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return answered;
}

} // namespace
#endif

bool x11DisplayAnswers(const QByteArray& display)
{
#ifdef Q_OS_WIN
    Q_UNUSED(display);
    return true;
#else
    const int colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    bool ok = false;
    const int number = display.mid(colon + 1).split('.').value(0).toInt(&ok);
    if (!ok || number < 0)
        return false;
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        return unixSocketAnswers(path, false) || unixSocketAnswers(path, true);
    }
    return tcpPortAnswers(host, 6000 + number);
#endif
}
