#include "zsystemclock.h"
#include "qcopchannel.h"
#include "vynchannels.h"
#include "setup_set_manager.h"
#include "vyndevice.h"

#include <QFileInfo>
#include <QMutex>

namespace {

const char clockFile[] = "/tmp/vyn_clock.cfg";

struct ClockSource
{
    bool valid = false;
    bool fixed = false;
    qint64 msecs = 0; // the fixed instant, or the offset
};

// "2024-06-01T12:00:00" (local unless it names a zone), "@1700000000", "+3600" or "-60".
ClockSource parseSetting(const QString &text)
{
    ClockSource source;
    const QString setting = text.trimmed();
    if (setting.isEmpty())
        return source;
    bool ok = false;
    if (setting.startsWith(QLatin1Char('+')) || setting.startsWith(QLatin1Char('-'))) {
        const qint64 seconds = setting.toLongLong(&ok);
        if (ok)
            source = { true, false, seconds * 1000 };
        return source;
    }
    if (setting.startsWith(QLatin1Char('@'))) {
        const qint64 seconds = setting.mid(1).toLongLong(&ok);
        if (ok)
            source = { true, true, seconds * 1000 };
        return source;
    }
    const QDateTime when = QDateTime::fromString(setting, Qt::ISODate);
    if (when.isValid())
        source = { true, true, when.toMSecsSinceEpoch() };
    return source;
}

struct ClockState
{
    QMutex mutex;
    ClockSource local;
    ClockSource environment;
    bool environmentRead = false;
    ClockSource file;
    QDateTime fileStamp;
    qint64 fileSize = -1;
    QString fileHostPath;
};

ClockState &state()
{
    static ClockState s;
    return s;
}

ClockSource activeSource()
{
    ClockState &s = state();
    QMutexLocker locker(&s.mutex);
    if (s.local.valid)
        return s.local;
    const QString path = VynDevice::hostPath(QString::fromLatin1(clockFile));
    const QFileInfo info(path);
    if (info.exists()) {
        if (path != s.fileHostPath || info.lastModified() != s.fileStamp || info.size() != s.fileSize) {
            s.fileHostPath = path;
            s.fileStamp = info.lastModified();
            s.fileSize = info.size();
            QString setting;
            SETUP_SET_Manager(QString::fromLatin1(clockFile), true)
                    .getSettingInfo(QStringLiteral("Clock"), QStringLiteral("Time"), setting, QString());
            s.file = parseSetting(setting);
        }
        if (s.file.valid)
            return s.file;
    }
    if (!s.environmentRead) {
        s.environment = parseSetting(qEnvironmentVariable("VYN_CLOCK"));
        s.environmentRead = true;
    }
    return s.environment;
}

} // namespace

qint64 ZSystemClock::currentMSecsSinceEpoch()
{
    const ClockSource source = activeSource();
    if (!source.valid)
        return QDateTime::currentMSecsSinceEpoch();
    if (source.fixed)
        return source.msecs;
    return QDateTime::currentMSecsSinceEpoch() + source.msecs;
}

qint64 ZSystemClock::currentSecsSinceEpoch()
{
    const qint64 msecs = currentMSecsSinceEpoch();
    return msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
}

QDateTime ZSystemClock::currentDateTime()
{
    return QDateTime::fromMSecsSinceEpoch(currentMSecsSinceEpoch());
}

QDateTime ZSystemClock::currentDateTimeUtc()
{
    return QDateTime::fromMSecsSinceEpoch(currentMSecsSinceEpoch(), Qt::UTC);
}

void ZSystemClock::setFixed(const QDateTime &instant)
{
    QMutexLocker locker(&state().mutex);
    state().local = { true, true, instant.toMSecsSinceEpoch() };
}

void ZSystemClock::setOffset(qint64 seconds)
{
    QMutexLocker locker(&state().mutex);
    state().local = { true, false, seconds * 1000 };
}

void ZSystemClock::reset()
{
    QMutexLocker locker(&state().mutex);
    state().local = ClockSource();
    state().environmentRead = false;
    state().fileHostPath.clear();
}

bool ZSystemClock::writeDeviceClock(const QString &setting)
{
    if (!setting.isEmpty() && !parseSetting(setting).valid)
        return false;
    SETUP_SET_Manager file(QString::fromLatin1(clockFile));
    file.setSettingInfo(QStringLiteral("Clock"), QStringLiteral("Time"), setting);
    if (!file.commit())
        return false;
    // Every program that shows or schedules by the clock re-reads it now.
    QCopChannel::send(VynChannel::System, VynMessage::TimeInfoChanged);
    return true;
}
