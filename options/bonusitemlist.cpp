#include "bonusitemlist.h"

#include <QCoreApplication>

namespace {

// Listed once per translation context so that lupdate sees every name in both.
const char* const namesInPlugin[BonusItemCount] = {
    QT_TRANSLATE_NOOP("Orvexuniversal", "Záporné saldo (Absencia)"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Práca v sobotu"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Práca v nedeľu"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Práca v noci"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Nadčasové hodiny"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Platené sviatky - hodiny"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Odpracované sviatky - hodiny"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Príplatky za zmeny - hodiny"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Pohotovosť"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Stravné jednotky (lístky)"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Stravné jednotky (príspevok)"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Nadčas vo sviatky"),
    QT_TRANSLATE_NOOP("Orvexuniversal", "Plný fond"),
};

const char* const namesInWidget[BonusItemCount] = {
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Záporné saldo (Absencia)"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Práca v sobotu"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Práca v nedeľu"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Práca v noci"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Nadčasové hodiny"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Platené sviatky - hodiny"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Odpracované sviatky - hodiny"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Príplatky za zmeny - hodiny"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Pohotovosť"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Stravné jednotky (lístky)"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Stravné jednotky (príspevok)"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Nadčas vo sviatky"),
    QT_TRANSLATE_NOOP("OrvexOptWidget", "Plný fond"),
};

} // namespace

QStringList bonusItemNames(const char* context)
{
    QStringList names;
    for (const char* name : namesInPlugin)
        names << QCoreApplication::translate(context, name);
    Q_UNUSED(namesInWidget);
    return names;
}

QStringList bonusItemSourceNames()
{
    QStringList names;
    for (const char* name : namesInPlugin)
        names << QString::fromUtf8(name);
    return names;
}

QStringList bonusItemDefaultCodes()
{
    return {QStringLiteral("15"), QStringLiteral("84"), QStringLiteral("83"), QStringLiteral("85"),
            QStringLiteral("2"),  QStringLiteral("5"),  QStringLiteral("7"),  QString(),
            QString(),            QStringLiteral("192"), QStringLiteral("192"), QStringLiteral("82"),
            QStringLiteral("-1")};
}
