#include "hspluginazaan.h"

#include <am_alarmserver.h>
#include <am_global.h>
#include <am_launcherclient.h>
#include <azaansettings.h>
#include <cal_eng_manager.h>
#include <hspluginhost.h>
#include <msgctr_eng_statusapi.h>
#include <qwallpaper.h>
#include <setup_set_manager.h>
#include <util_datetime.h>
#include <zglobal.h>
#include <zheader.h>
#include <zlog.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QDateTime>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <cstdlib>

namespace {

const char prayerAppId[] = "d7c961e1-43c2-4e34-aa93-360e6e83163d";
const char alarmSecondId[] = "b0cb22e0-645e-4242-a454-9c0bf4a99b54";
const int alarmType = 8;

const int fontSize = 16;
const int fontLeading = 17;
const int rowX = 22;
const int rowWidth = 280;
const int minutesPerDay = 24 * 60;

// Toolkit alignment codes: left or right, vertically centred.
const int alignLeftCentre = 33;
const int alignRightCentre = 34;

const QColor lineColor(30, 30, 30);

struct RowTarget
{
    const char *appId;
    const char *arguments;
    int initiator;
};

// Indexed by HSPluginAzaan::AzaanRow.
const RowTarget rowTargets[HSPluginAzaan::RowCount] = {
    { prayerAppId, "", 2 },
    { "220072c6-9008-468e-9968-11f3c50fa95e", "", 2 },
    { "1e6b9963-24cc-41f8-bbee-a23ae761ff81", " --view=2", 0 },
    { prayerAppId, "event", 2 },
    { "df0581bc-7bb1-43be-98db-1940d7cb8746", "", 2 },
};

// What the library keeps between plugin objects, let go when the library is unloaded.
class LibraryState
{
public:
    ~LibraryState()
    {
        // The library's own store copy; nobody else can reach it once we are gone.
        AzaanSettings::release();
        if (m_logOpened)
            ZLOG_Close("qd_idle");
    }
    const QLoggingCategory &log()
    {
        if (!m_logOpened) {
            m_logOpened = true;
            ZLOG_Open("qd_idle");
        }
        return zlog("qd_idle");
    }

private:
    bool m_logOpened = false;
};

LibraryState libraryState;

const QLoggingCategory &azaanLog()
{
    return libraryState.log();
}

bool isOn(const QString &storedText)
{
    return storedText != QLatin1String("0");
}

// The five prayers of today in their order of the day.
struct PrayerDay
{
    HourMinute times[HSPluginAzaan::RowCount];
    bool found[HSPluginAzaan::RowCount];
    // Minutes from today's midnight. An evening prayer whose clock time is earlier than the
    // one before it (Ishaa after midnight in a high-latitude summer) lies in the next day.
    int minutes[HSPluginAzaan::RowCount];

    explicit PrayerDay(PrayerTimeCalculator &calculator)
    {
        found[0] = calculator.getFajr(times[0]);
        found[1] = calculator.getDhuhr(times[1]);
        found[2] = calculator.getAsr(times[2]);
        found[3] = calculator.getMaghrib(times[3]);
        found[4] = calculator.getIshaa(times[4]);
        for (int i = 0; i < HSPluginAzaan::RowCount; ++i)
            minutes[i] = times[i].hour * 60 + times[i].minute;
        // Fajr stays where its clock puts it, however early or late: only what follows noon
        // can spill past midnight.
        int previous = -1;
        for (int i = 1; i < HSPluginAzaan::RowCount; ++i) {
            if (!found[i])
                continue;
            if (minutes[i] < previous)
                minutes[i] += minutesPerDay;
            previous = minutes[i];
        }
    }

    QDateTime alarmTime(int prayer, const QDate &today, int offsetMinutes) const
    {
        const QDate day = minutes[prayer] >= minutesPerDay ? today.addDays(1) : today;
        return QDateTime(day, QTime(times[prayer].hour, times[prayer].minute, 0)).addSecs(qint64(offsetMinutes) * 60);
    }
};

QString prayerTimeText(const HourMinute &time)
{
    // The seconds go; a suffix such as the AM/PM marker stays.
    QString text = UTIL_DateTime::timeToString(QTime(time.hour, time.minute, 0), 1);
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0)
        text.remove(colon, 3);
    return QLatin1Char(' ') + text;
}

} // namespace

HSPluginAzaan::HSPluginAzaan(HSPluginHost *site)
    : site(site)
    , launcherChannel(nullptr)
    , paddingLeft(3)
    , paddingRight(3)
    , paddingTop(0)
    , paddingBottom(3)
    , spacingH1(3)
    , spacingV1(0)
    , spacingV2(0)
    , spacingV3(1)
    , spacingS1(0)
    , beforeActivation(true)
    , firstTick(true)
    , messageStatus(nullptr)
    , selectedRow(0)
    , calendarChannel(nullptr)
    , systemChannel(nullptr)
    , broadcastChannel(nullptr)
    , formatChannel(nullptr)
    , minuteTimer(nullptr)
{
    for (bool &visible : rowVisible)
        visible = false;
    fontInfo.size = fontSize;
    fontInfo.leading = fontLeading;
}

HSPluginAzaan::~HSPluginAzaan()
{
    cleanUpAlarms();
    // The container outlives the plugin: it must not call into a dead filter.
    if (QWidget *widget = container())
        widget->removeEventFilter(this);
}

QWidget *HSPluginAzaan::container() const
{
    return site ? site->containerWidget() : nullptr;
}

int HSPluginAzaan::rowPitch() const
{
    return fontSize + 6 + spacingV2;
}

void HSPluginAzaan::initialize()
{
}

void HSPluginAzaan::activate()
{
    QWidget *widget = container();
    if (!widget) {
        qCWarning(azaanLog()) << "azaan: no container, nothing to show";
        return;
    }
    readTheme();

    for (ZMarqueeText &row : rows)
        row.setParent(widget);
    // The buffer covers the whole container, so nothing needs to be erased first.
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->installEventFilter(this);
    buffer = QPixmap(widget->size());

    for (ZMarqueeText &row : rows)
        row.start(1, 200, 1000, 1000, true);

    calculator = PrayerTimeCalculator();
    calculator.loadSettings();
    layoutRows();

    if (!messageStatus) {
        messageStatus = new MSGCTR_ENG_StatusApi(this);
        connect(messageStatus, &MSGCTR_ENG_StatusApi::sigDataUpdated, this, &HSPluginAzaan::slotUpdateMsg);
    }
    if (!launcherChannel) {
        launcherChannel = new QCopChannel(AM_Global::getLauncherChannel(), this);
        connect(launcherChannel, &QCopChannel::received, this, &HSPluginAzaan::slotWallPaperChanged);
        calendarChannel = new QCopChannel(CAL_ENG_Manager::hsaChannel(), this);
        connect(calendarChannel, &QCopChannel::received, this, &HSPluginAzaan::slotUpdateCalEvent);
        systemChannel = new QCopChannel("VYN/System", this);
        connect(systemChannel, &QCopChannel::received, this, &HSPluginAzaan::slotDateSetChange);
        broadcastChannel = new QCopChannel("/systemsetup/broadcast", this);
        connect(broadcastChannel, &QCopChannel::received, this, &HSPluginAzaan::slotSettingsChanged);
        formatChannel = new QCopChannel("VYN/Setup/DateTimeFormatChanged", this);
        connect(formatChannel, &QCopChannel::received, this, &HSPluginAzaan::slotDateTimeFormatChanged);
    }
    beforeActivation = false;
    selectedRow = PrayerRow;
    if (!minuteTimer) {
        minuteTimer = new QTimer(this);
        minuteTimer->setObjectName(QStringLiteral("minuteTimer"));
        minuteTimer->setSingleShot(true);
        connect(minuteTimer, &QTimer::timeout, this, &HSPluginAzaan::slotUpdatePerMin);
    }
    if (!minuteTimer->isActive()) {
        firstTick = true;
        minuteTimer->start(30000);
    }

    rows[MediaRow].setText(RES_TEXT("TXT_RID_LIST_A_MEDIA_FINDER", "Media Finder"));

    // Counts of messages and calendar entries follow at the first minute tick.
    updateVisibility();
    rows[MessageRow].setText(RES_TEXT("FMT_RID_LIST_A_1_NEW_MESSAGES", "%1 New Messages").arg(0));
    rows[CalendarRow].setText(RES_TEXT("FMT_RID_LIST_A_1_CALENDAR_EVENTS", "%1 calendar events").arg(0));
    updatePrayerRow();
    updateEventRow();
    layoutRows();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::deactivate()
{
    // The timer and the channels keep running until the plugin goes.
    cleanUpAlarms();
}

QString HSPluginAzaan::name()
{
    return RES_TEXT("TXT_RID_IDLE_AZAAN_NAME", "Azaan");
}

int HSPluginAzaan::keyEvent(int &phase, int key)
{
    if (phase != 0 && phase != 2)
        return 1;
    switch (key) {
    case HSKeySelect: {
        const RowTarget &target = rowTargets[selectedRow];
        const int result = AM_LauncherClient::launchAppObject(QString::fromLatin1(target.appId),
                                                              QString::fromLatin1(target.arguments),
                                                              target.initiator, true, true);
        if (result != 0)
            qCWarning(azaanLog()) << "azaan: launching row" << selectedRow << "failed:" << result;
        return 0;
    }
    case HSKeyUp:
    case HSKeyDown: {
        const int step = key == HSKeyUp ? RowCount - 1 : 1;
        for (int i = 0; i < RowCount; ++i) {
            selectedRow = (selectedRow + step) % RowCount;
            if (rowVisible[selectedRow])
                break;
        }
        paintBuffer();
        updateContainer();
        return 0;
    }
    case HSKeyLeft:
    case HSKeyRight:
        return 0;
    default:
        return 1;
    }
}

QRect HSPluginAzaan::geometry(const QRect &)
{
    readTheme();
    const QRect rect(paddingLeft, ZHeader::headerSize(ZHeader::Standard).height() + spacingV1 + 68,
                     319 - paddingLeft, 5 * fontSize + 4 * spacingV2 + 30);
    if (!beforeActivation) {
        buffer = QPixmap(rect.size());
        paintBuffer();
        updateContainer();
    }
    return rect;
}

void HSPluginAzaan::focusCenter()
{
}

void HSPluginAzaan::focusAt(int, const QPoint &)
{
}

void HSPluginAzaan::focusOut(QPoint &)
{
}

QPoint HSPluginAzaan::focusPoint()
{
    return QPoint(0, 0);
}

void HSPluginAzaan::reserved()
{
}

void HSPluginAzaan::suspend(bool)
{
}

bool HSPluginAzaan::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *widget = container();
    if (!widget || watched != widget || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    paintBuffer();
    QPainter painter(widget);
    painter.drawPixmap(0, 0, buffer);
    return true;
}

int HSPluginAzaan::alertOffsetMinutes(const QString &alert)
{
    // Anything but 1 to 5 rings at the prayer time itself.
    switch (alert.trimmed().toInt()) {
    case 1:
        return -10;
    case 2:
        return -5;
    case 4:
        return 5;
    case 5:
        return 10;
    default:
        return 0;
    }
}

void HSPluginAzaan::slotWallPaperChanged(const QCString &message, const QByteArray &)
{
    if (message != "showWallPaper")
        return;
    // The host repaints after a wallpaper change; the panel follows with it.
    readTheme();
    layoutRows();
}

void HSPluginAzaan::slotUpdateMsg()
{
    updateMessageRow();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::slotUpdateCalEvent(const QCString &, const QByteArray &)
{
    if (!rowVisible[CalendarRow])
        return;
    updateCalendarRow();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::slotUpdatePerMin()
{
    updatePrayerRow();
    if (firstTick) {
        updateCalendarRow();
        updateMessageRow();
        firstTick = false;
    }
    paintBuffer();
    updateContainer();
    // Later ticks fall 200 ms into each minute.
    const int second = ZSystemClock::currentDateTime().time().second();
    minuteTimer->start(1000 * (60 - second) + 200);
}

void HSPluginAzaan::slotDateSetChange(const QCString &message, const QByteArray &)
{
    if (message != "TimeInfoChanged")
        return;
    updatePrayerRow();
    updateEventRow();
    updateCalendarRow();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::slotSettingsChanged(const QCString &message, const QByteArray &)
{
    if (message == "azaansettingschange")
        fullRefresh();
}

void HSPluginAzaan::slotDateTimeFormatChanged(const QCString &message, const QByteArray &)
{
    if (message == "Setup/TimeFormatChanged" || message == "Setup/DateFormatChanged")
        fullRefresh();
}

void HSPluginAzaan::readTheme()
{
    const IdleLayout layout =
            HomeScreenTheme::readIdleLayout({ IdleReader::CommonKeys | IdleReader::SpacingH1 | IdleReader::SpacingS1 });
    paddingLeft = layout.paddingLeft;
    paddingRight = layout.paddingRight;
    paddingTop = layout.paddingTop;
    paddingBottom = layout.paddingBottom;
    spacingH1 = layout.spacingH1;
    spacingV1 = layout.spacingV1;
    spacingV2 = layout.spacingV2;
    spacingV3 = layout.spacingV3;
    spacingS1 = layout.spacingS1;

    fontInfo = HomeScreenTheme::readFontInfo(QStringLiteral("Font_IdleStatusStd"),
                                             HomeScreenTheme::idleStatusFontDefaults());
    // The rows are laid out for this size whatever the theme says.
    fontInfo.size = fontSize;
    fontInfo.leading = fontLeading;
    font = HomeScreenTheme::skinFont(fontInfo);
}

void HSPluginAzaan::updateVisibility()
{
    const AzaanSettings *settings = AzaanSettings::instance();
    rowVisible[PrayerRow] = isOn(settings->getPrayer());
    rowVisible[MessageRow] = isOn(settings->getMessage());
    rowVisible[CalendarRow] = isOn(settings->getCalendar());
    rowVisible[EventRow] = isOn(settings->getEvent());
    rowVisible[MediaRow] = isOn(settings->getMedia());
    if (rowVisible[selectedRow])
        return;
    for (int i = 0; i < RowCount; ++i) {
        selectedRow = (selectedRow + 1) % RowCount;
        if (rowVisible[selectedRow])
            break;
    }
}

void HSPluginAzaan::updatePrayerRow()
{
    // A hidden row keeps its last text, and the alarm stays as it was.
    if (!rowVisible[PrayerRow])
        return;
    const QDateTime now = ZSystemClock::currentDateTime();
    const int nowMinutes = now.time().hour() * 60 + now.time().minute();
    calculator.loadSettings();
    const PrayerDay day(calculator);

    // The alert alarm: only the first prayer still to come today gets one.
    const QUuid appId(QString::fromLatin1(prayerAppId));
    AM_AlarmServer::removeAlarm(appId);
    const QString alert = AzaanSettings::instance()->getAlert();
    if (alert != QLatin1String("0")) {
        const int offset = alertOffsetMinutes(alert);
        for (int i = 0; i < RowCount; ++i) {
            if (!day.found[i])
                continue;
            const QDateTime when = day.alarmTime(i, now.date(), offset);
            if (when > now) {
                const int result = AM_AlarmServer::addAlarm(appId, when, i, alarmType, QByteArray(),
                                                            QUuid(QString::fromLatin1(alarmSecondId)));
                if (result != 0)
                    qCWarning(azaanLog()) << "azaan: alert alarm not registered:" << result;
                break;
            }
        }
    }

    int current = -1;
    for (int i = RowCount - 1; i >= 0; --i) {
        if (day.found[i] && day.minutes[i] <= nowMinutes) {
            current = i;
            break;
        }
    }
    int next = -1;
    for (int i = 0; i < RowCount; ++i) {
        if (day.found[i] && day.minutes[i] > nowMinutes) {
            next = i;
            break;
        }
    }

    const QString names[RowCount] = {
        RES_TEXT("TXT_RID_LIST_A_FAJR", "Fajr"),
        RES_TEXT("TXT_RID_LIST_A_DHOHR", "Dhohr"),
        RES_TEXT("TXT_RID_LIST_A_ASR", "Asr"),
        RES_TEXT("TXT_RID_LIST_A_MAGHREB", "Maghreb"),
        RES_TEXT("TXT_RID_LIST_A_ESHAA", "Eshaa"),
    };
    QString text;
    if (current >= 0)
        text = names[current] + prayerTimeText(day.times[current]) + QStringLiteral("        ");
    if (next >= 0)
        text += names[next] + prayerTimeText(day.times[next]);
    if (text.isEmpty())
        text = QStringLiteral("Prayer time not found");
    rows[PrayerRow].setText(text);
}

void HSPluginAzaan::updateMessageRow()
{
    int total = 0;
    if (messageStatus) {
        // A failed query adds nothing.
        int count = 0;
        if (messageStatus->getUnreadSmsCount(count) == 0)
            total += count;
        count = 0;
        if (messageStatus->getUnreadMmsCount(count) == 0)
            total += count;
    }
    if (total == 1)
        rows[MessageRow].setText(RES_TEXT("TXT_RID_LIST_A_1_NEW_MESSAGE", "1 New Message"));
    else
        rows[MessageRow].setText(RES_TEXT("FMT_RID_LIST_A_1_NEW_MESSAGES", "%1 New Messages").arg(total));
}

void HSPluginAzaan::updateCalendarRow()
{
    const QDateTime now = ZSystemClock::currentDateTime();
    const QDateTime endOfDay(now.date(), QTime(23, 59, 59));
    CAL_ENG_Manager calendar;
    QList<CAL_ENG_Event> events;
    QString text;
    if (calendar.getEvents(now, endOfDay, events) == 0 && !events.isEmpty()) {
        const CAL_ENG_Event &entry = events.first();
        text = UTIL_DateTime::timeToString(entry.start.time(), 0) + QLatin1Char('-')
                + UTIL_DateTime::timeToString(entry.end.time(), 0) + QStringLiteral("   ") + entry.subject;
        // An end already reached would be due at once, and its notice would bring us straight
        // back here: raise the alarm only for an end still to come.
        if (entry.end > now)
            calendar.addHSAAlarm(entry.end);
    }
    if (text.isEmpty()) {
        text = RES_TEXT("FMT_RID_LIST_A_1_CALENDAR_EVENTS", "%1 calendar events").arg(0);
        calendar.removeHSAAlarm();
    }
    rows[CalendarRow].setText(text);
}

void HSPluginAzaan::updateEventRow()
{
    const GregorianDate date = GregorianDate::fromDate(ZSystemClock::currentDateTime().date());
    GregorianDate eventDate;
    QString eventName;
    islamicCalendar.nextIslamicEvent(date, eventDate, eventName);
    rows[EventRow].setText(UTIL_DateTime::dateToString(eventDate.toDate(), 0)
                           + QStringLiteral("      ") + eventName);
}

void HSPluginAzaan::layoutRows()
{
    QWidget *widget = container();
    if (!widget)
        return;
    // Hidden rows take no space: the panel sits on the container's bottom edge.
    int top = widget->height();
    for (int row = RowCount - 1; row >= 0; --row) {
        if (!rowVisible[row])
            continue;
        top -= rowPitch();
        rows[row].setGeometry(QRect(rowX, top, rowWidth, fontSize + 6));
        rows[row].setFont(font);
    }
}

void HSPluginAzaan::paintBuffer()
{
    QWidget *widget = container();
    if (!widget || buffer.isNull())
        return;
    QPainter painter(&buffer);

    // The idle screen's wallpaper is screen-sized at the top-level window's origin.
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull()) {
        painter.fillRect(buffer.rect(), ZGlobal::backgroundColor());
    } else {
        const QPoint origin = widget->mapTo(widget->window(), QPoint(0, 0));
        painter.drawPixmap(QPoint(0, 0), wallpaper, QRect(origin, buffer.size()));
    }

    const int height = widget->height();
    const int width = widget->width();
    const int pitch = rowPitch();

    int y = height - 1;
    for (int row = RowCount - 1; row >= selectedRow; --row) {
        if (rowVisible[row])
            y -= pitch;
    }
    // A half-tone band: the wallpaper shows through the highlight.
    if (rowVisible[selectedRow])
        painter.fillRect(QRect(0, y, 320, pitch), QBrush(lineColor, Qt::Dense4Pattern));

    painter.setPen(lineColor);
    painter.drawLine(0, height - 1, width, height - 1);

    const int alignment = HomeScreenTheme::isRightToLeft() ? alignRightCentre : alignLeftCentre;
    const QPen textPen(QColor(QRgb(fontInfo.color)), 0, Qt::SolidLine);
    y = height - 1;
    for (int row = RowCount - 1; row >= 0; --row) {
        if (!rowVisible[row])
            continue;
        y -= pitch;
        painter.setPen(textPen);
        rows[row].paint(&painter, alignment, QStringLiteral("..."), nullptr, true, Qt::black, 1);
        painter.setPen(lineColor);
        painter.drawLine(0, y, width, y);
    }
}

void HSPluginAzaan::updateContainer()
{
    if (QWidget *widget = container())
        widget->update();
}

void HSPluginAzaan::fullRefresh()
{
    updateVisibility();
    updatePrayerRow();
    updateMessageRow();
    updateCalendarRow();
    updateEventRow();
    layoutRows();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::cleanUpAlarms()
{
    const AzaanSettings *settings = AzaanSettings::instance();
    // While both the view and the alert are on, the alert keeps ringing after we go.
    if (!isOn(settings->getAlert()) || !isOn(settings->getEnabled()))
        AM_AlarmServer::removeAlarm(QUuid(QString::fromLatin1(prayerAppId)));
    CAL_ENG_Manager().removeHSAAlarm();
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSPluginAzaan(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    const char *base = std::getenv("VYN_APP_WRITE_PATH");
    const QString path = QStringLiteral("%1%2").arg(QString::fromLocal8Bit(base ? base : ""),
                                                    QStringLiteral("/setup/qd_azaan_hs.cfg"));
    const SETUP_SET_Manager file(path, false);
    const QString group = QStringLiteral("SETTINGS");
    bool enabled = false;
    file.getSettingInfo(group, QStringLiteral("HGM_HSA"), enabled, false);
    if (!enabled)
        return 0;
    for (const char *key : { "HGM_HSA_PRAYER", "HGM_HSA_MSG", "HGM_HSA_CALENDER", "HGM_HSA_EVENT", "HGM_HSA_MEDIA" }) {
        bool on = false;
        file.getSettingInfo(group, QString::fromLatin1(key), on, false);
        if (on)
            return 1;
    }
    return 0;
}
