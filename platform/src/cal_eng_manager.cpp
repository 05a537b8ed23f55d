#include "cal_eng_manager.h"
#include "calendarfile.h"
#include "calendarrecurrence.h"
#include "calhsascheduler.h"
#include "setup_set_manager.h"
#include "vynchannels.h"
#include "vyndevice.h"
#include "zlog.h"
#include "zsystemclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPointer>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

const char hsaFile[] = "/setup/vyn_calendar_hsa.cfg";
const QString hsaGroup = QStringLiteral("HSAAlarm");
const QString hsaKey = QStringLiteral("Time");
// Calendars on a handset are small; a far larger file is not read at all.
const qint64 maximumCalendarSize = 8 * 1024 * 1024;
// The scheduler looks at the stored time at least this often, for changes made elsewhere.
const int recheckMs = 60000;

QString storedHsaText()
{
    QString text;
    SETUP_SET_Manager(QString::fromLatin1(hsaFile), true).getSettingInfo(hsaGroup, hsaKey, text, QString());
    return text.trimmed();
}

QPointer<CalHsaScheduler> &schedulerInstance()
{
    static QPointer<CalHsaScheduler> scheduler;
    return scheduler;
}

const QByteArray emptyCalendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Vyn//Calendar engine//EN\r\n"
                                 "END:VCALENDAR\r\n";

// Where a new VEVENT goes: before the last END:VCALENDAR line. -1 when the text is no calendar.
int insertPosition(const QByteArray &content)
{
    const QByteArray upper = content.toUpper();
    int begin = 0;
    while (begin < upper.size() && (upper.at(begin) == ' ' || upper.at(begin) == '\r' || upper.at(begin) == '\n'
                                    || upper.at(begin) == '\t'))
        ++begin;
    if (upper.mid(begin).startsWith("\xEF\xBB\xBF"))
        begin += 3;
    if (!upper.mid(begin).startsWith("BEGIN:VCALENDAR"))
        return -1;
    int end = upper.lastIndexOf("END:VCALENDAR");
    while (end > 0 && upper.at(end - 1) != '\n')
        end = upper.lastIndexOf("END:VCALENDAR", end - 1);
    return end > begin ? end : -1;
}

} // namespace

void CalHsaScheduler::ensure()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (schedulerInstance() || !app || QThread::currentThread() != app->thread())
        return;
    schedulerInstance() = new CalHsaScheduler(app);
}

void CalHsaScheduler::rearm()
{
    if (CalHsaScheduler *scheduler = schedulerInstance())
        scheduler->m_timer->start(0);
}

CalHsaScheduler::CalHsaScheduler(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &CalHsaScheduler::check);
    // A clock change may bring the alarm time forward or back.
    auto *system = new QCopChannel(VynChannel::System, this);
    connect(system, &QCopChannel::received, this, &CalHsaScheduler::systemMessage);
    m_timer->start(0);
}

void CalHsaScheduler::systemMessage(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::TimeInfoChanged)
        m_timer->start(0);
}

void CalHsaScheduler::check()
{
    const QString text = storedHsaText();
    const QDateTime when = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!when.isValid()) {
        m_timer->start(recheckMs);
        return;
    }
    const qint64 remaining = when.toMSecsSinceEpoch() - ZSystemClock::currentMSecsSinceEpoch();
    if (remaining > 0) {
        m_timer->start(int(qMin<qint64>(remaining, recheckMs)));
        return;
    }
    // Cleared before the notice, so other processes with a scheduler do not announce it again.
    SETUP_SET_Manager file(QString::fromLatin1(hsaFile));
    file.removeSettingInfo(hsaGroup, hsaKey);
    file.commit();
    qCDebug(zlog("platform")) << "calendar: home-screen alarm due" << when;
    QCopChannel::send(CAL_ENG_Manager::hsaChannel(), VynMessage::CalendarAlarm);
    m_timer->start(recheckMs);
}

CAL_ENG_Manager::CAL_ENG_Manager() = default;

QString CAL_ENG_Manager::calendarFile()
{
    return QStringLiteral("/setup/vyn_calendar.ics");
}

const char *CAL_ENG_Manager::hsaChannel()
{
    return VynChannel::CalendarHomeScreen;
}

int CAL_ENG_Manager::getEvents(const QDateTime &from, const QDateTime &to, QList<CAL_ENG_Event> &events)
{
    events.clear();
    if (!from.isValid() || !to.isValid() || from > to)
        return 1;
    QFile file(VynDevice::hostPath(calendarFile()));
    if (!file.exists())
        return 0;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(zlog("platform")) << "calendar: cannot read" << file.fileName() << file.errorString();
        return 2;
    }
    if (file.size() > maximumCalendarSize) {
        qCWarning(zlog("platform")) << "calendar: file too large, ignored:" << file.size();
        return 0;
    }
    const QList<CalendarFile::Entry> entries = CalendarFile::parse(file.readAll());
    for (const CalendarFile::Entry &entry : entries) {
        events += CalendarRecurrence::occurrences(entry, from, to,
                                                  CalendarRecurrence::maximumOccurrences - int(events.size()));
        if (events.size() >= CalendarRecurrence::maximumOccurrences)
            break;
    }
    std::stable_sort(events.begin(), events.end(), [](const CAL_ENG_Event &a, const CAL_ENG_Event &b) {
        return a.start < b.start || (a.start == b.start && a.end < b.end);
    });
    return 0;
}

int CAL_ENG_Manager::addHSAAlarm(const QDateTime &when)
{
    if (!when.isValid())
        return 1;
    SETUP_SET_Manager file(QString::fromLatin1(hsaFile));
    file.setSettingInfo(hsaGroup, hsaKey, when.toUTC().toString(Qt::ISODateWithMs));
    if (!file.commit())
        return 2;
    CalHsaScheduler::ensure();
    CalHsaScheduler::rearm();
    return 0;
}

int CAL_ENG_Manager::removeHSAAlarm()
{
    SETUP_SET_Manager file(QString::fromLatin1(hsaFile));
    file.removeSettingInfo(hsaGroup, hsaKey);
    if (!file.commit())
        return 2;
    CalHsaScheduler::ensure();
    CalHsaScheduler::rearm();
    return 0;
}

QDateTime CAL_ENG_Manager::hsaAlarmTime() const
{
    const QDateTime when = QDateTime::fromString(storedHsaText(), Qt::ISODateWithMs);
    return when.isValid() ? when.toLocalTime() : QDateTime();
}

int CAL_ENG_Manager::addEntry(const QString &subject, const QDateTime &start, const QDateTime &end,
                              const QString &rrule, bool allDay)
{
    if (!start.isValid() || !end.isValid() || (!allDay && end < start))
        return 1;
    CalendarFile::Rule rule;
    // A line break would smuggle extra properties into the file.
    if (rrule.contains(QLatin1Char('\n')) || rrule.contains(QLatin1Char('\r'))
        || (!rrule.trimmed().isEmpty() && !CalendarFile::parseRule(rrule, rule)))
        return 1;

    const QString path = VynDevice::hostPath(calendarFile());
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return 2;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(10000))
        return 2;
    QByteArray content;
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly) || existing.size() > maximumCalendarSize)
            return 2;
        content = existing.readAll();
        existing.close();
    }
    if (content.trimmed().isEmpty())
        content = emptyCalendar;
    const int position = insertPosition(content);
    if (position < 0) {
        qCWarning(zlog("platform")) << "calendar: not a calendar file, left as it is:" << path;
        return 3;
    }
    content.insert(position, CalendarFile::eventText(subject, start, end, rrule, allDay));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return 2;
    QCopChannel::send(hsaChannel(), VynMessage::CalendarEntryChanged);
    return 0;
}
