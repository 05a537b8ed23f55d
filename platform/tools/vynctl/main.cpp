// vyn-ctl: drives the stand-in platform from a shell or a test.
#include <am_alarmserver.h>
#include <am_appregistry.h>
#include <am_launcherclient.h>
#include <cal_eng_manager.h>
#include <msgctr_eng_statusapi.h>
#include <qcopchannel.h>
#include <setup_set_manager.h>
#include <setup_utility.h>
#include <tapi_types.h>
#include <vynchannels.h>
#include <util_datetime.h>
#include <vyndevice.h>
#include <vynphone.h>
#include <zmsg.h>
#include <zsystemclock.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int sendMessage(const QStringList &args)
{
    // send CHANNEL MESSAGE [TEXT...]: each TEXT goes into the payload as one QString.
    if (args.size() < 3) {
        fprintf(stderr, "usage: vyn-ctl send CHANNEL MESSAGE [TEXT...]\n");
        return 2;
    }
    ZMsg message(args.at(1).toUtf8(), args.at(2).toUtf8());
    for (int i = 3; i < args.size(); ++i)
        message << args.at(i);
    if (!message.send())
        return 1;
    // Let the bus flush before the process ends.
    QTimer::singleShot(100, qApp, &QCoreApplication::quit);
    return qApp->exec();
}

// Sends one notice and lets the bus flush before the process ends.
int announce(const char *channel, const char *message)
{
    if (!QCopChannel::send(channel, message))
        return 1;
    QTimer::singleShot(100, qApp, &QCoreApplication::quit);
    return qApp->exec();
}

int setFormat(const QStringList &args)
{
    // format time 12|24, format date FORMAT: stored where UTIL_DateTime reads them, announced.
    const QString what = args.value(1);
    const QString value = args.value(2);
    const bool time = what == QLatin1String("time");
    if (args.size() != 3 || (!time && what != QLatin1String("date"))) {
        fprintf(stderr, "usage: vyn-ctl format time 12|24 | vyn-ctl format date FORMAT\n");
        return 2;
    }
    if (time ? value != QLatin1String("12") && value != QLatin1String("24")
             : !UTIL_DateTime::dateFormatChoices().contains(value)) {
        fprintf(stderr, "vyn-ctl: not a %s format: %s (date formats: %s)\n", qPrintable(what), qPrintable(value),
                qPrintable(UTIL_DateTime::dateFormatChoices().join(QStringLiteral(", "))));
        return 2;
    }
    SETUP_SET_Manager file(UTIL_DateTime::settingsFile());
    file.setSettingInfo(QStringLiteral("DateTime"), time ? QStringLiteral("TimeFormat") : QStringLiteral("DateFormat"),
                        value);
    if (!file.commit())
        return 1;
    return announce(VynChannel::DateTimeFormat, time ? VynMessage::TimeFormatChanged : VynMessage::DateFormatChanged);
}

int setTheme(const QStringList &args)
{
    // theme NAME: the current skin, announced as a style change.
    if (args.size() != 2 || args.at(1).isEmpty()) {
        fprintf(stderr, "usage: vyn-ctl theme NAME\n");
        return 2;
    }
    SETUP_SET_Manager file(QStringLiteral("/setup/vyn_theme.cfg"));
    file.setSettingInfo(QStringLiteral("Theme"), QStringLiteral("Current"), args.at(1));
    if (!file.commit())
        return 1;
    return announce(VynChannel::System, VynMessage::ApplyStyle);
}

int setLanguage(const QStringList &args)
{
    // language CODE: the display language, announced; running programs reload their texts.
    const QString code = args.value(1).trimmed().toLower();
    static const QRegularExpression valid(QStringLiteral("^[a-z0-9_-]{1,10}$"));
    if (args.size() != 2 || !valid.match(code).hasMatch()) {
        fprintf(stderr, "usage: vyn-ctl language CODE   (ar, fr, en-us, ...: letters, digits, - and _, at most 10)\n");
        return 2;
    }
    SETUP_SET_Manager file(QStringLiteral("/tmp/vyn_system.cfg"));
    file.setSettingInfo(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("LanguageType"), code);
    if (!file.commit())
        return 1;
    return announce(VynChannel::System, VynMessage::LanguageChanged);
}

int listen(const QStringList &args, int count, int timeoutMs)
{
    // listen CHANNEL...: prints "channel<TAB>message<TAB>payload strings" a line.
    if (args.size() < 2) {
        fprintf(stderr, "usage: vyn-ctl listen CHANNEL... [--count N] [--timeout MS]\n");
        return 2;
    }
    int received = 0;
    for (int i = 1; i < args.size(); ++i) {
        auto *channel = new QCopChannel(args.at(i).toUtf8(), qApp);
        QObject::connect(channel, &QCopChannel::received, qApp,
                         [channel, count, &received](const QCString &message, const QByteArray &data) {
                             QStringList texts;
                             QDataStream stream(data);
                             while (!stream.atEnd() && stream.status() == QDataStream::Ok) {
                                 QString text;
                                 stream >> text;
                                 if (stream.status() == QDataStream::Ok)
                                     texts << text;
                             }
                             out() << channel->channel() << '\t' << message << '\t' << texts.join(QLatin1Char('\t'))
                                   << Qt::endl;
                             if (count > 0 && ++received >= count)
                                 qApp->quit();
                         });
    }
    out() << "listening" << Qt::endl;
    if (timeoutMs > 0)
        QTimer::singleShot(timeoutMs, qApp, &QCoreApplication::quit);
    qApp->exec();
    return 0;
}


// Gives queued channel messages time to leave over the bus, then ends with the result.
int flushAndExit(int result)
{
    QTimer::singleShot(100, qApp, &QCoreApplication::quit);
    qApp->exec();
    return result;
}

int usage(const char *text)
{
    fprintf(stderr, "usage: vyn-ctl %s\n", text);
    return 2;
}

QString isoText(const QDateTime &when)
{
    return when.toString(Qt::ISODate);
}

// "2024-06-01T10:00:00" (local time), with "Z" or "+04:00" for other zones.
QDateTime parseTime(const QString &text)
{
    return QDateTime::fromString(text.trimmed(), Qt::ISODate);
}

int setUnread(const QStringList &args, const QStringList &failures)
{
    // unread SMS MMS [--fail sms|mms]
    if (args.size() != 3)
        return usage("unread SMS MMS [--fail sms|mms]");
    bool smsOk = false;
    bool mmsOk = false;
    const int sms = args.at(1).toInt(&smsOk);
    const int mms = args.at(2).toInt(&mmsOk);
    if (!smsOk || !mmsOk || sms < 0 || mms < 0)
        return usage("unread SMS MMS [--fail sms|mms]   (counts: whole numbers, 0 or more)");
    bool failSms = false;
    bool failMms = false;
    for (const QString &value : failures) {
        for (const QString &part : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (part.trimmed().compare(QLatin1String("sms"), Qt::CaseInsensitive) == 0)
                failSms = true;
            else if (part.trimmed().compare(QLatin1String("mms"), Qt::CaseInsensitive) == 0)
                failMms = true;
            else
                return usage("unread SMS MMS [--fail sms|mms]");
        }
    }
    SETUP_SET_Manager file(MSGCTR_ENG_StatusApi::statusFile());
    const QString group = QStringLiteral("Unread");
    file.setSettingInfo(group, QStringLiteral("SMS"), sms);
    file.setSettingInfo(group, QStringLiteral("MMS"), mms);
    file.setSettingInfo(group, QStringLiteral("SMSFail"), failSms);
    file.setSettingInfo(group, QStringLiteral("MMSFail"), failMms);
    if (!file.commit()) {
        fprintf(stderr, "vyn-ctl: cannot write %s\n", qPrintable(MSGCTR_ENG_StatusApi::statusFile()));
        return 1;
    }
    QCopChannel::send(MSGCTR_ENG_StatusApi::channelName(), VynMessage::CountsChanged);
    return flushAndExit(0);
}

int calendar(const QStringList &args, const QCommandLineParser &parser)
{
    const char *help = "calendar add --start ISO [--end ISO] --subject TEXT [--rrule RULE]\n"
                       "       vyn-ctl calendar list [--from ISO --to ISO]";
    const QString sub = args.value(1);
    CAL_ENG_Manager manager;
    if (sub == QLatin1String("add")) {
        const QString startText = parser.value(QStringLiteral("start")).trimmed();
        const QString endText = parser.value(QStringLiteral("end")).trimmed();
        // A bare date makes an all-day entry.
        const bool allDay = startText.size() == 10;
        QDateTime start;
        QDateTime end;
        if (allDay) {
            // The end date is exclusive, as in iCalendar.
            const QDate startDate = QDate::fromString(startText, Qt::ISODate);
            const QDate endDate = endText.isEmpty() ? startDate.addDays(1) : QDate::fromString(endText, Qt::ISODate);
            start = QDateTime(startDate, QTime(0, 0));
            end = QDateTime(endDate, QTime(0, 0));
        } else {
            start = parseTime(startText);
            end = parseTime(endText);
        }
        if (!start.isValid() || !end.isValid() || !parser.isSet(QStringLiteral("subject")))
            return usage(help);
        const int result = manager.addEntry(parser.value(QStringLiteral("subject")), start, end,
                                            parser.value(QStringLiteral("rrule")), allDay);
        if (result == 1)
            fprintf(stderr, "vyn-ctl: entry refused (end before start, or a rule not understood)\n");
        else if (result == 3)
            fprintf(stderr, "vyn-ctl: %s is not a calendar; left untouched\n", qPrintable(CAL_ENG_Manager::calendarFile()));
        else if (result != 0)
            fprintf(stderr, "vyn-ctl: cannot write %s\n", qPrintable(CAL_ENG_Manager::calendarFile()));
        return flushAndExit(result == 0 ? 0 : 1);
    }
    if (sub == QLatin1String("list")) {
        const QDate today = ZSystemClock::currentDateTime().date();
        const QDateTime from = parser.isSet(QStringLiteral("from")) ? parseTime(parser.value(QStringLiteral("from")))
                                                                    : QDateTime(today, QTime(0, 0));
        const QDateTime to = parser.isSet(QStringLiteral("to")) ? parseTime(parser.value(QStringLiteral("to")))
                                                                : QDateTime(today, QTime(23, 59, 59));
        QList<CAL_ENG_Event> events;
        const int result = manager.getEvents(from, to, events);
        if (result != 0) {
            fprintf(stderr, "vyn-ctl: calendar query failed (%d)\n", result);
            return 1;
        }
        for (const CAL_ENG_Event &event : std::as_const(events)) {
            QString subject = event.subject;
            subject.replace(QLatin1Char('\n'), QLatin1String("\\n"));
            out() << isoText(event.start) << '\t' << isoText(event.end) << '\t' << subject << Qt::endl;
        }
        return 0;
    }
    return usage(help);
}

int alarms(const QStringList &args, const QCommandLineParser &parser)
{
    const char *help = "alarms [add APPID TIME [--index N] [--type N] [--second-id UUID] [--data TEXT] | remove APPID]";
    const QString sub = args.value(1);
    if (sub.isEmpty()) {
        // time, application id, index, type: one alarm a line, in time order.
        const QList<AM_Alarm> all = AM_AlarmServer::alarms();
        for (const AM_Alarm &alarm : all) {
            out() << isoText(alarm.time) << '\t' << alarm.appId.toString(QUuid::WithoutBraces) << '\t'
                  << alarm.index << '\t' << alarm.type << Qt::endl;
        }
        return 0;
    }
    const QUuid appId = QUuid::fromString(args.value(2));
    if (sub == QLatin1String("add") && args.size() == 4) {
        const QDateTime time = parseTime(args.at(3));
        const QUuid secondId = QUuid::fromString(parser.value(QStringLiteral("second-id")));
        const int result = AM_AlarmServer::addAlarm(appId, time, parser.value(QStringLiteral("index")).toInt(),
                                                    parser.value(QStringLiteral("type")).toInt(),
                                                    parser.value(QStringLiteral("data")).toUtf8(), secondId);
        if (result != 0)
            fprintf(stderr, "vyn-ctl: alarm not registered (%d)\n", result);
        return result == 0 ? 0 : 1;
    }
    if (sub == QLatin1String("remove") && args.size() == 3)
        return AM_AlarmServer::removeAlarm(appId) == 0 && AM_AlarmServer::flush() == 0 ? 0 : 1;
    return usage(help);
}

// Joins arguments back into one text that splits into the same list again.
QString commandText(const QStringList &arguments)
{
    QStringList quoted;
    for (QString argument : arguments) {
        if (argument.isEmpty() || argument.contains(QLatin1Char(' ')) || argument.contains(QLatin1Char('"'))
            || argument.contains(QLatin1Char('\t'))) {
            argument.replace(QLatin1String("\""), QLatin1String("\"\"\""));
            argument = QLatin1Char('"') + argument + QLatin1Char('"');
        }
        quoted << argument;
    }
    return quoted.join(QLatin1Char(' '));
}

int launch(const QStringList &args)
{
    // launch ID [ARG...]: every word after the id goes to the application, options included.
    if (args.size() < 2)
        return usage("launch ID [ARG...]");
    const int result = AM_LauncherClient::launchAppObject(args.at(1), commandText(args.mid(2)), 2, true, true);
    if (result == 1)
        fprintf(stderr, "vyn-ctl: no application %s in the registry\n", qPrintable(args.at(1)));
    else if (result != 0)
        fprintf(stderr, "vyn-ctl: could not start %s (%d)\n", qPrintable(args.at(1)), result);
    return flushAndExit(result == 0 ? 0 : 1);
}

int listApps()
{
    // id, name, exec, icon: one application a line, by name.
    const QList<AM_AppRegistry::App> apps = AM_AppRegistry::apps();
    for (const AM_AppRegistry::App &app : apps)
        out() << app.id << '\t' << app.name << '\t' << app.exec << '\t' << app.icon << Qt::endl;
    return 0;
}

const char phoneHelp[] =
        "phone [FIELD VALUE | call-cost TEXT | stk TEXT [--icon Q] [--icon-file PNG] [--channel idle|phone]\n"
        "       | stk-clear | cb TEXT | sync begin|end | notify N | announce]";

// Sends one message whose payload the caller wrote.
int sendPayload(const char *channel, const char *message, const QByteArray &payload)
{
    return flushAndExit(QCopChannel::send(channel, message, payload) ? 0 : 1);
}

int phone(const QStringList &args, const QCommandLineParser &parser)
{
    const QString sub = args.value(1);
    if (sub.isEmpty()) {
        QFile file(VynDevice::hostPath(VynPhone::stateFile()));
        if (file.open(QIODevice::ReadOnly))
            out() << QString::fromUtf8(file.readAll());
        out() << "# fields (vyn-ctl phone FIELD VALUE):" << Qt::endl;
        for (const QString &line : VynPhone::fieldHelp())
            out() << "#   " << line << Qt::endl;
        return 0;
    }
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    if (sub == QLatin1String("announce"))
        return flushAndExit(VynPhone::announce() ? 0 : 1);
    if (sub == QLatin1String("call-cost") && args.size() == 3) {
        // The text as the modem sends it: no terminating zero; an empty text is one zero byte.
        const QByteArray raw = args.at(2).isEmpty() ? QByteArray(1, '\0') : args.at(2).toLatin1();
        return flushAndExit(VynPhone::sendTapiEvent(UTIL_TAPI_EVENT_CALL_COST, raw) ? 0 : 1);
    }
    if ((sub == QLatin1String("stk") && args.size() == 3) || (sub == QLatin1String("stk-clear") && args.size() == 2)) {
        const char *channel = parser.value(QStringLiteral("channel")) == QLatin1String("phone")
                ? VynChannel::PhoneToIdle
                : VynChannel::StatusText;
        if (sub == QLatin1String("stk-clear")) {
            stream << qint32(0);
            return sendPayload(channel, VynMessage::StkIdleText, payload);
        }
        stream << qint32(1) << args.at(2);
        // The icon byte is part of the payload only on builds with feature 482.
        bool iconInPayload = false;
        SETUP_Utility::getFlexBit(482, iconInPayload);
        const bool withIcon = parser.isSet(QStringLiteral("icon"));
        if (iconInPayload) {
            stream << quint8(withIcon ? 1 : 0);
            if (withIcon)
                stream << qint32(parser.value(QStringLiteral("icon")).toInt());
        }
        if (parser.isSet(QStringLiteral("icon-file"))) {
            const QString target = VynDevice::hostPath(QStringLiteral("/tmp/getstkpixmap.png"));
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::remove(target);
            if (!QFile::copy(parser.value(QStringLiteral("icon-file")), target)) {
                fprintf(stderr, "vyn-ctl: cannot copy the icon file\n");
                return 1;
            }
        }
        return sendPayload(channel, VynMessage::StkIdleText, payload);
    }
    if (sub == QLatin1String("cb") && args.size() == 3) {
        stream << args.at(2);
        return sendPayload(VynChannel::StatusText, VynMessage::CellBroadcast, payload);
    }
    if (sub == QLatin1String("sync") && args.size() == 3
        && (args.at(2) == QLatin1String("begin") || args.at(2) == QLatin1String("end"))) {
        const bool begin = args.at(2) == QLatin1String("begin");
        return flushAndExit(QCopChannel::send(VynChannel::HomeScreenSyncing,
                                              begin ? VynMessage::BeginSyncing : VynMessage::EndSyncing)
                                    ? 0
                                    : 1);
    }
    if (sub == QLatin1String("notify") && args.size() == 3) {
        stream << qint32(args.at(2).toInt());
        return sendPayload(VynChannel::NotificationPath, VynMessage::NotificationMessage, payload);
    }
    if (args.size() == 3 || (sub == QLatin1String("reset") && args.size() == 2)) {
        QString error;
        if (!VynPhone::set(sub, args.value(2), &error)) {
            fprintf(stderr, "vyn-ctl: %s\n", qPrintable(error));
            return 2;
        }
        return flushAndExit(0);
    }
    return usage(phoneHelp);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vyn-ctl"));
    // Application arguments may look like options ("--view=2"): they bypass the option parser.
    const QStringList raw = app.arguments();
    if (raw.value(1) == QLatin1String("launch"))
        return launch(raw.mid(1));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Drives the stand-in phone platform.\n\n"
            "Commands:\n"
            "  send CHANNEL MESSAGE [TEXT...]   send a channel message (TEXTs as QString payload)\n"
            "  listen CHANNEL...                print the messages of channels\n"
            "  clock [SETTING]                  set the device clock: 2024-06-01T12:00:00, @UNIXTIME,\n"
            "                                   +SECONDS / -SECONDS; no SETTING: real time again\n"
            "  format time 12|24                set the time format (announces Setup/TimeFormatChanged)\n"
            "  format date FORMAT               set the date format, e.g. dd/MM/yyyy or \"MMM d, yyyy\"\n"
            "                                   (announces Setup/DateFormatChanged)\n"
            "  theme NAME                       switch the skin (announces applyStyle() on VYN/System)\n"
            "  language CODE                    set the display language: ar, fr, en-us, ... (announces\n"
            "                                   languageChanged() on VYN/System)\n"
            "  root                             print the device root\n"
            "  unread SMS MMS [--fail sms|mms]  set the unread message counts (--fail: that query fails)\n"
            "  calendar add --start ISO [--end ISO] --subject TEXT [--rrule RULE]\n"
            "                                   add a calendar entry; a bare date (2024-06-01) makes it\n"
            "                                   all-day (end date exclusive); RULE like FREQ=WEEKLY;BYDAY=MO,WE;COUNT=4\n"
            "  calendar list [--from ISO --to ISO]\n"
            "                                   list entries (default: today), one per line:\n"
            "                                   start, end, subject\n"
            "  alarms                           list registered alarms: time, app id, index, type\n"
            "  alarms add APPID TIME [--index N] [--type N] [--second-id UUID] [--data TEXT]\n"
            "  alarms remove APPID              withdraw every alarm of an application\n"
            "  launch ID [ARG...]               start a registered application (VYN_LAUNCH_DRY_RUN=1:\n"
            "                                   only announce it); ARGs are passed as they are\n"
            "  apps                             list the registry: id, name, exec, icon\n"
            "  phone                            print the simulated phone's state and its fields\n"
            "  phone FIELD VALUE                set a field and announce it (network 3, battery low, ...)\n"
            "  phone call-cost TEXT             a call-cost event with TEXT as its raw data\n"
            "  phone stk TEXT [--icon Q] [--icon-file PNG] [--channel idle|phone]\n"
            "                                   SIM toolkit idle text (\"STK_IDLETEXT\"); stk-clear: none\n"
            "  phone cb TEXT                    a cell broadcast (\"CELLSMSMESSAGE\")\n"
            "  phone sync begin|end             synchronisation starts or ends\n"
            "  phone notify N                   \"qd/am/path_notification_message\" with N\n"
            "  phone announce                   announce the state file after editing it by hand\n\n"
            "Times are ISO 8601 in local time unless they carry Z or an offset."));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("count"), QStringLiteral("listen: stop after N messages."),
                       QStringLiteral("N"), QStringLiteral("0") });
    parser.addOption({ QStringLiteral("timeout"), QStringLiteral("listen: stop after MS milliseconds."),
                       QStringLiteral("MS"), QStringLiteral("0") });
    parser.addOption({ QStringLiteral("fail"), QStringLiteral("unread: make the sms or mms query fail."),
                       QStringLiteral("sms|mms") });
    parser.addOption({ QStringLiteral("start"), QStringLiteral("calendar add: start time or date."),
                       QStringLiteral("ISO") });
    parser.addOption({ QStringLiteral("end"), QStringLiteral("calendar add: end time or date."), QStringLiteral("ISO") });
    parser.addOption({ QStringLiteral("subject"), QStringLiteral("calendar add: subject."), QStringLiteral("TEXT") });
    parser.addOption({ QStringLiteral("rrule"), QStringLiteral("calendar add: recurrence rule."),
                       QStringLiteral("RULE") });
    parser.addOption({ QStringLiteral("from"), QStringLiteral("calendar list: window start."), QStringLiteral("ISO") });
    parser.addOption({ QStringLiteral("to"), QStringLiteral("calendar list: window end."), QStringLiteral("ISO") });
    parser.addOption({ QStringLiteral("index"), QStringLiteral("alarms add: index value."), QStringLiteral("N"),
                       QStringLiteral("0") });
    parser.addOption({ QStringLiteral("type"), QStringLiteral("alarms add: type value."), QStringLiteral("N"),
                       QStringLiteral("0") });
    parser.addOption({ QStringLiteral("second-id"), QStringLiteral("alarms add: second identifier."),
                       QStringLiteral("UUID") });
    parser.addOption({ QStringLiteral("data"), QStringLiteral("alarms add: data block."), QStringLiteral("TEXT") });
    parser.addOption({ QStringLiteral("icon"), QStringLiteral("phone stk: the icon's qualifier."), QStringLiteral("Q") });
    parser.addOption({ QStringLiteral("icon-file"), QStringLiteral("phone stk: PNG to use as the toolkit icon."),
                       QStringLiteral("PNG") });
    parser.addOption({ QStringLiteral("channel"), QStringLiteral("phone stk: idle (default) or phone channel."),
                       QStringLiteral("idle|phone") });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do (see above)."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(2);
    const QString command = args.first();
    if (command == QLatin1String("send"))
        return sendMessage(args);
    if (command == QLatin1String("listen"))
        return listen(args, parser.value(QStringLiteral("count")).toInt(),
                      parser.value(QStringLiteral("timeout")).toInt());
    if (command == QLatin1String("clock")) {
        if (!ZSystemClock::writeDeviceClock(args.value(1))) {
            fprintf(stderr, "vyn-ctl: not a clock setting: %s\n", qPrintable(args.value(1)));
            return 2;
        }
        // The platform clock announced the change; let the bus flush.
        QTimer::singleShot(100, &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (command == QLatin1String("format"))
        return setFormat(args);
    if (command == QLatin1String("theme"))
        return setTheme(args);
    if (command == QLatin1String("language"))
        return setLanguage(args);
    if (command == QLatin1String("root")) {
        out() << VynDevice::root() << Qt::endl;
        return 0;
    }
    if (command == QLatin1String("unread"))
        return setUnread(args, parser.values(QStringLiteral("fail")));
    if (command == QLatin1String("calendar"))
        return calendar(args, parser);
    if (command == QLatin1String("alarms"))
        return alarms(args, parser);
    if (command == QLatin1String("apps"))
        return listApps();
    if (command == QLatin1String("phone"))
        return phone(args, parser);
    fprintf(stderr, "vyn-ctl: unknown command %s (see --help)\n", qPrintable(command));
    return 2;
}
