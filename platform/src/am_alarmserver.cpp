#include "am_alarmserver.h"
#include "setup_set_manager.h"
#include "zlog.h"

#include <algorithm>

namespace {

const char alarmFile[] = "/setup/vyn_alarms.cfg";
const char groupPrefix[] = "Alarm-";
// Alarm payloads are small records; anything larger is a caller's mistake.
const int maximumData = 64 * 1024;

const QString keyAppId = QStringLiteral("AppId");
const QString keyTime = QStringLiteral("Time");
const QString keyIndex = QStringLiteral("Index");
const QString keyType = QStringLiteral("Type");
const QString keyData = QStringLiteral("Data");
const QString keySecondId = QStringLiteral("SecondId");

QList<QString> alarmGroups(const SETUP_SET_Manager &file)
{
    QList<QString> result;
    const QStringList groups = file.groups();
    for (const QString &group : groups) {
        if (group.startsWith(QLatin1String(groupPrefix)))
            result.append(group);
    }
    return result;
}

QUuid readUuid(const SETUP_SET_Manager &file, const QString &group, const QString &key)
{
    QString text;
    file.getSettingInfo(group, key, text, QString());
    return QUuid::fromString(QStringView(text).trimmed());
}

} // namespace

int AM_AlarmServer::addAlarm(const QUuid &appId, const QDateTime &time, int index, int type,
                             const QByteArray &data, const QUuid &secondId)
{
    if (appId.isNull() || !time.isValid() || data.size() > maximumData) {
        qCWarning(zlog("platform")) << "alarm refused:" << appId << time << data.size();
        return 1;
    }
    SETUP_SET_Manager file(QString::fromLatin1(alarmFile));
    // A group of its own per alarm: concurrent writers merge instead of overwriting each other.
    const QString group = QLatin1String(groupPrefix) + QUuid::createUuid().toString(QUuid::WithoutBraces);
    file.setSettingInfo(group, keyAppId, appId.toString(QUuid::WithoutBraces));
    file.setSettingInfo(group, keyTime, time.toUTC().toString(Qt::ISODateWithMs));
    file.setSettingInfo(group, keyIndex, index);
    file.setSettingInfo(group, keyType, type);
    file.setSettingInfo(group, keyData, QString::fromLatin1(data.toBase64()));
    file.setSettingInfo(group, keySecondId, secondId.toString(QUuid::WithoutBraces));
    return file.commit() ? 0 : 2;
}

int AM_AlarmServer::removeAlarm(const QUuid &appId)
{
    if (appId.isNull())
        return 1;
    SETUP_SET_Manager file(QString::fromLatin1(alarmFile));
    bool changed = false;
    for (const QString &group : alarmGroups(file)) {
        if (readUuid(file, group, keyAppId) != appId)
            continue;
        for (const QString &key : file.keys(group))
            file.removeSettingInfo(group, key);
        changed = true;
    }
    if (!changed)
        return 0;
    return file.commit() ? 0 : 2;
}

QList<AM_Alarm> AM_AlarmServer::alarms()
{
    QList<AM_Alarm> result;
    const SETUP_SET_Manager file(QString::fromLatin1(alarmFile), true);
    for (const QString &group : alarmGroups(file)) {
        AM_Alarm alarm;
        alarm.appId = readUuid(file, group, keyAppId);
        QString timeText;
        file.getSettingInfo(group, keyTime, timeText, QString());
        alarm.time = QDateTime::fromString(timeText.trimmed(), Qt::ISODateWithMs);
        // A damaged record is skipped rather than shown with made-up values.
        if (alarm.appId.isNull() || !alarm.time.isValid())
            continue;
        alarm.time = alarm.time.toLocalTime();
        file.getSettingInfo(group, keyIndex, alarm.index, 0);
        file.getSettingInfo(group, keyType, alarm.type, 0);
        QString dataText;
        file.getSettingInfo(group, keyData, dataText, QString());
        alarm.data = QByteArray::fromBase64(dataText.toLatin1());
        alarm.secondId = readUuid(file, group, keySecondId);
        result.append(alarm);
    }
    std::stable_sort(result.begin(), result.end(), [](const AM_Alarm &a, const AM_Alarm &b) {
        return a.time < b.time;
    });
    return result;
}
