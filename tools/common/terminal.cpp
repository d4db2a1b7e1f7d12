#include "terminal.h"

#include <cstdio>
#include <string>
#include <iostream>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace {

bool isTerminal(FILE* stream)
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stream)) != 0;
#else
    return isatty(fileno(stream)) != 0;
#endif
}

} // namespace

bool stdinIsTerminal()
{
    return isTerminal(stdin);
}

bool stderrIsTerminal()
{
    return isTerminal(stderr);
}

void writeStderr(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

namespace {

// Turns terminal echo off while it lives.
class EchoOff
{
public:
    EchoOff()
    {
#ifdef Q_OS_WIN
        input = GetStdHandle(STD_INPUT_HANDLE);
        active = GetConsoleMode(input, &saved) != 0 && SetConsoleMode(input, saved & ~DWORD(ENABLE_ECHO_INPUT)) != 0;
#else
        active = tcgetattr(fileno(stdin), &saved) == 0;
        if (active) {
            termios silent = saved;
            silent.c_lflag &= ~tcflag_t(ECHO);
            active = tcsetattr(fileno(stdin), TCSAFLUSH, &silent) == 0;
        }
#endif
    }
    ~EchoOff()
    {
        if (!active)
            return;
#ifdef Q_OS_WIN
        SetConsoleMode(input, saved);
#else
        tcsetattr(fileno(stdin), TCSAFLUSH, &saved);
#endif
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    bool active = false;
#ifdef Q_OS_WIN
    HANDLE input = nullptr;
    DWORD saved = 0;
#else
    termios saved;
#endif
};

} // namespace

QString readPasswordWithoutEcho(const QString& prompt)
{
    writeStderr(prompt);
    std::string line;
    {
        EchoOff echoOff;
        std::getline(std::cin, line);
    }
    writeStderr(QStringLiteral("\n"));
    QString password = QString::fromLocal8Bit(line.c_str());
    if (password.endsWith(QLatin1Char('\r')))
        password.chop(1);
    return password;
}
