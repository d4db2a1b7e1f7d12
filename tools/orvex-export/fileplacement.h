#ifndef ORVEX_EXPORT_FILEPLACEMENT_H
#define ORVEX_EXPORT_FILEPLACEMENT_H

#include <QString>
#include <QTemporaryDir>

// The plug-in writes the payroll file into a private folder inside the output
// folder (the same file system), so that nothing in the output folder changes
// until the tool has checked the new file. Only then one rename puts it in
// place: payroll sees the earlier file or the new one, never a part, and a
// link of the file's name is replaced itself, never the file it points to.
class PrivateExportFolder
{
public:
    // Creates the folder (owner only) inside `outDir`; see isValid().
    explicit PrivateExportFolder(const QString& outDir);

    bool isValid() const { return folder.isValid(); }
    QString errorString() const;
    QString path() const { return folder.path(); }
    QString filePath(const QString& fileName) const { return folder.filePath(fileName); }

private:
    QTemporaryDir folder; // removed with everything in it when the run ends
};

// Puts `source` in place of `target` with one rename. The new file keeps the
// mode and group of the regular file it replaces; a file new to the folder (or
// one replacing a link) is readable by owner and group only (0640), whatever
// the umask. False, with the system's reason, when it cannot be done.
bool placeFile(const QString& source, const QString& target, QString& errorText);

// The size of the file at `path` (of the file a link points to); -1 when there
// is none.
qint64 existingFileSize(const QString& path);

#endif // ORVEX_EXPORT_FILEPLACEMENT_H
