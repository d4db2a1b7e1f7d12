#ifndef ORVEX_TOOLS_TERMINAL_H
#define ORVEX_TOOLS_TERMINAL_H

#include <QByteArray>
#include <QString>

bool stdinIsTerminal();
bool stderrIsTerminal();

// Writes `text` to stderr at once, in the local encoding.
void writeStderr(const QString& text);

// Shows `prompt` on stderr and reads one line from the terminal without
// echoing it. The line break that ends the input is not part of the result.
QString readPasswordWithoutEcho(const QString& prompt);

#endif // ORVEX_TOOLS_TERMINAL_H
