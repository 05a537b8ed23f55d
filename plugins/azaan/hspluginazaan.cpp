#include "hspluginazaan.h"

#include "azaanalertalarm.h"
#include "azaanpainter.h"

#include <am_global.h>
#include <am_launcherclient.h>
#include <azaansettings.h>
#include <cal_eng_manager.h>
#include <hspluginhost.h>
#include <hspluginlog.h>
#include <msgctr_eng_statusapi.h>
#include <setup_set_manager.h>
#include <vynchannels.h>
#include <zheader.h>
#include <zlog.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QDateTime>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

const char prayerAppId[] = "d7c961e1-43c2-4e34-aa93-360e6e83163d";
const int firstTickMs = 30000;
// Later ticks fall this long after the start of a minute.
const int tickDelayMs = 200;

struct RowTarget
{
    const char *appId;
    const char *arguments;
    int initiator;
};

// Indexed by AzaanRowModel::Row.
const RowTarget rowTargets[AzaanRowModel::RowCount] = {
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
    }
    HSPluginLog log;
};

LibraryState libraryState;

const QLoggingCategory &azaanLog()
{
    return libraryState.log.category();
}

bool isOn(const QString &storedText)
{
    return storedText != QLatin1String("0");
}

} // namespace

HSPluginAzaan::HSPluginAzaan(HSPluginHost *site)
    : site(site)
    , launcherChannel(nullptr)
    , theme(AzaanTheme::defaults())
    , beforeActivation(true)
    , firstTick(true)
    , messageStatus(nullptr)
    , calendarChannel(nullptr)
    , systemChannel(nullptr)
    , broadcastChannel(nullptr)
    , formatChannel(nullptr)
    , minuteTimer(nullptr)
{
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
    theme = AzaanTheme::read();

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
        systemChannel = new QCopChannel(VynChannel::System, this);
        connect(systemChannel, &QCopChannel::received, this, &HSPluginAzaan::slotDateSetChange);
        broadcastChannel = new QCopChannel(VynChannel::SystemSetupBroadcast, this);
        connect(broadcastChannel, &QCopChannel::received, this, &HSPluginAzaan::slotSettingsChanged);
        formatChannel = new QCopChannel(VynChannel::DateTimeFormat, this);
        connect(formatChannel, &QCopChannel::received, this, &HSPluginAzaan::slotDateTimeFormatChanged);
    }
    beforeActivation = false;
    model.resetSelection();
    if (!minuteTimer) {
        minuteTimer = new QTimer(this);
        minuteTimer->setObjectName(QStringLiteral("minuteTimer"));
        minuteTimer->setSingleShot(true);
        connect(minuteTimer, &QTimer::timeout, this, &HSPluginAzaan::slotUpdatePerMin);
    }
    if (!minuteTimer->isActive()) {
        firstTick = true;
        minuteTimer->start(firstTickMs);
    }
    tickDate = ZSystemClock::currentDateTime().date();

    setRowText(AzaanRowModel::MediaRow, AzaanRowModel::mediaText());

    // Counts of messages and calendar entries follow at the first minute tick.
    updateVisibility();
    setRowText(AzaanRowModel::MessageRow, AzaanRowModel::messageText(0));
    setRowText(AzaanRowModel::CalendarRow, AzaanRowModel::emptyCalendarText());
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
        const RowTarget &target = rowTargets[model.selectedRow()];
        const int result = AM_LauncherClient::launchAppObject(QString::fromLatin1(target.appId),
                                                              QString::fromLatin1(target.arguments),
                                                              target.initiator, true, true);
        if (result != 0)
            qCWarning(azaanLog()) << "azaan: launching row" << model.selectedRow() << "failed:" << result;
        return 0;
    }
    case HSKeyUp:
    case HSKeyDown:
        model.moveSelection(key == HSKeyUp ? -1 : 1);
        paintBuffer();
        updateContainer();
        return 0;
    case HSKeyLeft:
    case HSKeyRight:
        return 0;
    default:
        return 1;
    }
}

QRect HSPluginAzaan::geometry(const QRect &)
{
    theme = AzaanTheme::read();
    const QRect rect = AzaanTheme::panelGeometry(theme, ZHeader::headerSize(ZHeader::Standard).height());
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
    if (widget && watched == widget && event->type() == QEvent::LanguageChange && !languageRefreshPending) {
        // One notice per translation file: every row's text afresh once they are all loaded.
        languageRefreshPending = true;
        QTimer::singleShot(0, this, [this] {
            languageRefreshPending = false;
            setRowText(AzaanRowModel::MediaRow, AzaanRowModel::mediaText());
            fullRefresh();
        });
    }
    if (!widget || watched != widget || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    paintBuffer();
    QPainter painter(widget);
    painter.drawPixmap(0, 0, buffer);
    return true;
}

void HSPluginAzaan::slotWallPaperChanged(const QCString &message, const QByteArray &)
{
    if (message != VynMessage::ShowWallPaper)
        return;
    // The host repaints after a wallpaper change; the panel follows with it.
    theme = AzaanTheme::read();
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
    if (!model.isVisible(AzaanRowModel::CalendarRow))
        return;
    updateCalendarRow();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::slotUpdatePerMin()
{
    const QDate today = ZSystemClock::currentDateTime().date();
    if (today != tickDate) {
        // A new day: the event and calendar rows change with the date, not only the prayers.
        tickDate = today;
        firstTick = false;
        fullRefresh();
    } else {
        updatePrayerRow();
        if (firstTick) {
            updateCalendarRow();
            updateMessageRow();
            firstTick = false;
        }
        paintBuffer();
        updateContainer();
    }
    const int second = ZSystemClock::currentDateTime().time().second();
    minuteTimer->start(1000 * (60 - second) + tickDelayMs);
}

void HSPluginAzaan::slotDateSetChange(const QCString &message, const QByteArray &)
{
    if (message != VynMessage::TimeInfoChanged)
        return;
    updatePrayerRow();
    updateEventRow();
    updateCalendarRow();
    paintBuffer();
    updateContainer();
}

void HSPluginAzaan::slotSettingsChanged(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::AzaanSettingsChanged)
        fullRefresh();
}

void HSPluginAzaan::slotDateTimeFormatChanged(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::TimeFormatChanged || message == VynMessage::DateFormatChanged)
        fullRefresh();
}

void HSPluginAzaan::updateVisibility()
{
    const AzaanSettings *settings = AzaanSettings::instance();
    const bool visible[AzaanRowModel::RowCount] = {
        isOn(settings->getPrayer()), isOn(settings->getMessage()), isOn(settings->getCalendar()),
        isOn(settings->getEvent()), isOn(settings->getMedia()),
    };
    model.setVisibility(visible);
}

void HSPluginAzaan::setRowText(int row, const QString &text)
{
    model.setText(row, text);
    rows[row].setText(text);
}

void HSPluginAzaan::updatePrayerRow()
{
    // A hidden row keeps its last text, and the alarm stays as it was.
    if (!model.isVisible(AzaanRowModel::PrayerRow))
        return;
    const QDateTime now = ZSystemClock::currentDateTime();
    calculator.loadSettings();
    const PrayerDay today = calculator.day();
    // Yesterday's prayers after midnight are still to come until their time.
    const PrayerDay yesterday = PrayerTimeCalculator::computeDay(calculator.location(), today.date.addDays(-1));
    const PrayerTimeline timeline(yesterday, today);

    AzaanAlertAlarm::reschedule(timeline, now, AzaanSettings::instance()->getAlert());
    const int nowMinutes = now.time().hour() * 60 + now.time().minute();
    setRowText(AzaanRowModel::PrayerRow, AzaanRowModel::prayerText(timeline, nowMinutes));
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
    setRowText(AzaanRowModel::MessageRow, AzaanRowModel::messageText(total));
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
        text = AzaanRowModel::calendarText(entry.start.time(), entry.end.time(), entry.subject);
        // An end already reached would be due at once, and its notice would bring us straight
        // back here: raise the alarm only for an end still to come.
        if (entry.end > now)
            calendar.addHSAAlarm(entry.end);
    }
    if (text.isEmpty()) {
        text = AzaanRowModel::emptyCalendarText();
        calendar.removeHSAAlarm();
    }
    setRowText(AzaanRowModel::CalendarRow, text);
}

void HSPluginAzaan::updateEventRow()
{
    const GregorianDate date = GregorianDate::fromDate(ZSystemClock::currentDateTime().date());
    GregorianDate eventDate;
    QString eventName;
    islamicCalendar.nextIslamicEvent(date, eventDate, eventName);
    setRowText(AzaanRowModel::EventRow, AzaanRowModel::eventText(eventDate.toDate(), eventName));
}

void HSPluginAzaan::layoutRows()
{
    if (QWidget *widget = container())
        AzaanPainter::layoutRows(widget, model, rows, theme);
}

void HSPluginAzaan::paintBuffer()
{
    QWidget *widget = container();
    if (!widget || buffer.isNull())
        return;
    AzaanPainter::paint(buffer, widget, model, rows, theme);
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
    AzaanAlertAlarm::cleanUp(settings->getEnabled(), settings->getAlert());
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
