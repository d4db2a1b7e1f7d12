#include "fileformat.h"

#include "exporttext.h"

#include <QFile>
#include <QStringList>
#include <QTextCodec>

namespace {

QTextCodec* hostCodec()
{
    return QTextCodec::codecForName("Windows-1250");
}

} // namespace

bool parseFileFormat(const QString& text, FileFormat& format)
{
    if (text == QLatin1String("host"))
        format = FileFormat::Host;
    else if (text == QLatin1String("native"))
        format = FileFormat::Native;
    else
        return false;
    return true;
}

QString payrollLineText(QByteArray bytes)
{
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0)
        return text;
    QTextCodec* codec = hostCodec();
    return codec ? codec->toUnicode(bytes) : QString::fromLatin1(bytes);
}

bool writeHostFormat(const QString& source, const QString& target, const QString& separator, QString& personalNumber,
                     QString& errorText)
{
    QTextCodec* codec = hostCodec();
    if (!codec) {
        errorText = OrvexExport::tr("this Qt has no Windows-1250 text codec");
        return false;
    }
    QFile in(source);
    QFile out(target);
    if (!in.open(QIODevice::ReadOnly)) {
        errorText = in.errorString();
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        errorText = out.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QString line = payrollLineText(in.readLine());
        if (!codec->canEncode(line)) {
            personalNumber = line.section(separator, 2, 2);
            for (const QChar c : line) {
                if (!codec->canEncode(QString(c))) {
                    errorText = QStringLiteral("\"%1\" (U+%2)").arg(QString(c)).arg(c.unicode(), 4, 16, QLatin1Char('0'));
                    break;
                }
            }
            return false;
        }
        const QByteArray bytes = codec->fromUnicode(line) + "\r\n";
        if (out.write(bytes) != bytes.size()) {
            errorText = out.errorString();
            return false;
        }
    }
    if (!out.flush()) {
        errorText = out.errorString();
        return false;
    }
    return true;
}
