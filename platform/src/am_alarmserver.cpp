#include "am_alarmserver.h"
#include "setup_set_manager.h"
#include "zlog.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimer>

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

// Removals wait for the end of the event-loop pass: an application that withdraws its alarm
// and registers the same one again (every minute, say) then writes nothing at all.
QSet<QUuid> &pendingRemovals()
{
    static QSet<QUuid> removals;
    return removals;
}

bool flushScheduled = false;

void flushAtExit()
{
    AM_AlarmServer::flush();
}

void scheduleFlush()
{
    if (flushScheduled)
        return;
    flushScheduled = true;
    static bool exitHookAdded = false;
    if (!exitHookAdded) {
        exitHookAdded = true;
        qAddPostRoutine(flushAtExit);
    }
    QTimer::singleShot(0, QCoreApplication::instance(), [] { AM_AlarmServer::flush(); });
}

// Drops every group of the application from the file; true when there was one.
bool removeGroups(SETUP_SET_Manager &file, const QUuid &appId)
{
    bool changed = false;
    for (const QString &group : alarmGroups(file)) {
        if (readUuid(file, group, keyAppId) != appId)
            continue;
        for (const QString &key : file.keys(group))
            file.removeSettingInfo(group, key);
        changed = true;
    }
    return changed;
}

// Whether the file holds exactly this one alarm for the application.
bool holdsOnly(const SETUP_SET_Manager &file, const QUuid &appId, const QString &time, int index, int type,
               const QString &data, const QUuid &secondId)
{
    int found = 0;
    bool same = false;
    for (const QString &group : alarmGroups(file)) {
        if (readUuid(file, group, keyAppId) != appId)
            continue;
        ++found;
        QString storedTime;
        QString storedData;
        int storedIndex = 0;
        int storedType = 0;
        file.getSettingInfo(group, keyTime, storedTime, QString());
        file.getSettingInfo(group, keyIndex, storedIndex, 0);
        file.getSettingInfo(group, keyType, storedType, 0);
        file.getSettingInfo(group, keyData, storedData, QString());
        same = storedTime == time && storedIndex == index && storedType == type && storedData == data
                && readUuid(file, group, keySecondId) == secondId;
    }
    return found == 1 && same;
}

} // namespace

int AM_AlarmServer::flush()
{
    flushScheduled = false;
    const QSet<QUuid> removals = pendingRemovals();
    pendingRemovals().clear();
    if (removals.isEmpty())
        return 0;
    SETUP_SET_Manager file(QString::fromLatin1(alarmFile));
    bool changed = false;
    for (const QUuid &appId : removals)
        changed = removeGroups(file, appId) || changed;
    if (!changed)
        return 0;
    if (file.commit())
        return 0;
    qCWarning(zlog("platform")) << "alarm registry not written: withdrawn alarms stay";
    return 2;
}

int AM_AlarmServer::addAlarm(const QUuid &appId, const QDateTime &time, int index, int type,
                             const QByteArray &data, const QUuid &secondId)
{
    if (appId.isNull() || !time.isValid() || data.size() > maximumData) {
        qCWarning(zlog("platform")) << "alarm refused:" << appId << time << data.size();
        return 1;
    }
    const QString timeText = time.toUTC().toString(Qt::ISODateWithMs);
    // Beyond the years the text form covers, the alarm could be stored but never read back.
    if (timeText.isEmpty()) {
        qCWarning(zlog("platform")) << "alarm refused: time out of range" << time;
        return 1;
    }
    SETUP_SET_Manager file(QString::fromLatin1(alarmFile));
    const QString dataText = QString::fromLatin1(data.toBase64());
    if (pendingRemovals().remove(appId)) {
        // Withdrawn and registered again: the registry already says so.
        if (holdsOnly(file, appId, timeText, index, type, dataText, secondId))
            return 0;
        removeGroups(file, appId);
    }
    // A group of its own per alarm: concurrent writers merge instead of overwriting each other.
    const QString group = QLatin1String(groupPrefix) + QUuid::createUuid().toString(QUuid::WithoutBraces);
    file.setSettingInfo(group, keyAppId, appId.toString(QUuid::WithoutBraces));
    file.setSettingInfo(group, keyTime, timeText);
    file.setSettingInfo(group, keyIndex, index);
    file.setSettingInfo(group, keyType, type);
    file.setSettingInfo(group, keyData, dataText);
    file.setSettingInfo(group, keySecondId, secondId.toString(QUuid::WithoutBraces));
    return file.commit() ? 0 : 2;
}

int AM_AlarmServer::removeAlarm(const QUuid &appId)
{
    if (appId.isNull())
        return 1;
    if (QCoreApplication::instance()) {
        pendingRemovals().insert(appId);
        scheduleFlush();
        return 0;
    }
    SETUP_SET_Manager file(QString::fromLatin1(alarmFile));
    if (!removeGroups(file, appId))
        return 0;
    return file.commit() ? 0 : 2;
}

QList<AM_Alarm> AM_AlarmServer::alarms()
{
    flush();
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
