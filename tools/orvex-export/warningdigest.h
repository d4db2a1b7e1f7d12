#ifndef ORVEX_EXPORT_WARNINGDIGEST_H
#define ORVEX_EXPORT_WARNINGDIGEST_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The plug-in logs one warning per value it cannot compute: a large company
// gives hundreds of lines that differ only in an id. On the terminal they are
// counted by kind (the text with its numbers taken out): a kind seen once is
// shown as it is, a repeated one as its count and its first three lines.
// A message level ("warning", "critical") as the terminal shows it, in the
// language of the output; the log keeps the English names.
QString shownLevel(const QString& level);

class WarningDigest
{
public:
    void add(const QString& level, const QString& text);
    bool isEmpty() const { return kinds.isEmpty(); }
    // The lines for the terminal, in the order the kinds first came.
    QStringList lines() const;
    void clear();

private:
    struct Kind
    {
        QString level;
        int count = 0;
        QStringList first;
    };
    QVector<Kind> kinds;
    QHash<QString, int> indexByKey;
};

#endif // ORVEX_EXPORT_WARNINGDIGEST_H
