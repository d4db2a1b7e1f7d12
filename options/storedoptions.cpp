// Defaults record and the stored export settings read for the options page.

#include "storedoptions.h"

#include "bonusitemlist.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

QHash<QString, QVariant> exportOptionsDefaults()
{
    QHash<QString, QVariant> intersDefaults;
    const char* const pairs[][2] = {{"1", "1"},  {"3", "3"},  {"4", ""},   {"5", ""},  {"6", ""},
                                    {"7", "9"},  {"8", "96"}, {"9", ""},   {"10", ""}, {"11", ""},
                                    {"12", ""},  {"13", "97"}, {"14", "10"}, {"15", "11"}};
    for (const auto& pair : pairs)
        intersDefaults.insert(QString::fromLatin1(pair[0]), QString::fromLatin1(pair[1]));

    QHash<QString, QVariant> defaults;
    defaults.insert(QStringLiteral("items"), bonusItemNames("Orvexuniversal"));
    defaults.insert(QStringLiteral("itemsDefaults"), bonusItemDefaultCodes());
    defaults.insert(QStringLiteral("intersDefaults"), intersDefaults);
    defaults.insert(QStringLiteral("needIid_PN"), true);
    defaults.insert(QStringLiteral("needIid_OCR"), true);
    defaults.insert(QStringLiteral("CI_TEST_COMPATIBLE"), true);
    return defaults;
}

QHash<QString, QVariant> storedOptionsForPage(const QSqlDatabase& host)
{
    QHash<QString, QVariant> stored;
    QSqlQuery query(host);

    if (!query.exec(QStringLiteral("SELECT * FROM pamsettings WHERE type= 'Orvexuniversal'"))) {
        qWarning() << "Orvexuniversal::getOptionsForWidget() ERROR (SELECT * FROM pamsettings ...)"
                   << query.lastError().text();
    } else if (query.next()) {
        QJsonParseError parseError;
        const QJsonDocument document =
            QJsonDocument::fromJson(query.value(QStringLiteral("data")).toByteArray(), &parseError);
        if (parseError.error != QJsonParseError::NoError)
            qWarning("PamSettingsRepository::load(%u) - JSON parse Error '%s', offset: %i", 1u,
                     parseError.errorString().toLocal8Bit().constData(), parseError.offset);
        else
            stored = document.object().toVariantHash();
    }

    QHash<QString, QVariant> names;
    if (query.exec(QStringLiteral("SELECT iid, name FROM inters ORDER BY iid"))) {
        while (query.next())
            names.insert(query.value(0).toString(), query.value(1));
    } else {
        qWarning() << "Orvexuniversal::getOptionsForWidget() ERROR (SELECT iid, name FROM inters ...)"
                   << query.lastError().text();
    }
    stored.insert(QStringLiteral("intersNames"), names);
    return stored;
}
