#ifndef ORVEX_EXPORT_FILEFORMAT_H
#define ORVEX_EXPORT_FILEFORMAT_H

#include <QByteArray>
#include <QString>

// The payroll file as the host writes it on Windows: each line break in text
// mode (CR LF) and the text in the system's locale encoding, Windows-1250 on
// a Slovak system. The plug-in run by the tool on Linux writes LF and the
// locale's encoding (UTF-8): a scheduled run on a Linux server that feeds the
// Windows payroll folder converts its file to the host's format when it puts
// it in place (--file-format host, the default).
enum class FileFormat {
    Host,  // CR LF, Windows-1250
    Native // as the plug-in wrote it on this system
};

// "host" or "native"; false for another text.
bool parseFileFormat(const QString& text, FileFormat& format);

// One line of a payroll file in either format, without its line break: UTF-8
// when its bytes are valid UTF-8, else Windows-1250.
QString payrollLineText(QByteArray bytes);

// Writes `source` (a file as the plug-in wrote it) to `target` in the host's
// format. A line holding a character that Windows-1250 cannot hold stops it:
// false, with `personalNumber` (the line's third field, read with
// `separator`) set and `errorText` naming the character. A failed read or
// write: false with the system's reason.
bool writeHostFormat(const QString& source, const QString& target, const QString& separator, QString& personalNumber,
                     QString& errorText);

#endif // ORVEX_EXPORT_FILEFORMAT_H
