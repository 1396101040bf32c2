#include "speech/qt_orca_rate.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace yacht {
namespace {

constexpr int kOrcaDefaultRate = 50;

QString settingsPath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/orca/user-settings.conf");
}

// The rate of a settings block's default voice, or -1.
int rateOf(const QJsonObject& block)
{
    const QJsonValue rate =
        block.value(QStringLiteral("voices")).toObject().value(QStringLiteral("default")).toObject().value(
            QStringLiteral("rate"));
    return rate.isDouble() ? static_cast<int>(rate.toDouble()) : -1;
}

}  // namespace

int orcaSpeechRate()
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return kOrcaDefaultRate;
    const QJsonObject all = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject general = all.value(QStringLiteral("general")).toObject();
    QString profile = QStringLiteral("default");
    for (const char* key : {"activeProfile", "startingProfile"}) {
        const QJsonArray named = general.value(QLatin1String(key)).toArray();
        if (named.size() >= 2 && !named.at(1).toString().isEmpty()) {
            profile = named.at(1).toString();
            break;
        }
    }
    int rate = rateOf(all.value(QStringLiteral("profiles")).toObject().value(profile).toObject());
    if (rate < 0) rate = rateOf(general);
    return rate < 0 ? kOrcaDefaultRate : std::min(rate, 100);
}

}  // namespace yacht
