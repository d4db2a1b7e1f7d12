#ifndef ORVEX_TOOLS_FILEACCESS_H
#define ORVEX_TOOLS_FILEACCESS_H

#include <QString>

// The payroll file, the log and a prepared staging file hold personal data:
// the tools create them readable by their owner and group only (0640),
// whatever the umask they were started with.

// Makes every file the process creates from now on at most 0640 (folders
// 0750). Nothing on Windows, where a new file takes its folder's access list.
void restrictNewFiles();

// Sets a file the tool has created to 0640.
void restrictToOwnerAndGroup(const QString& path);

#endif // ORVEX_TOOLS_FILEACCESS_H
