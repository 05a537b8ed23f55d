#include "calendarfile.h"
#include "zlog.h"
#include "zsystemclock.h"

#include <QHash>
#include <QRegularExpression>
#include <QUuid>

namespace CalendarFile {

namespace {

// Components nest a few levels (VCALENDAR, VEVENT, VALARM); far deeper is not a calendar.
const int maximumNesting = 16;

struct Property
{
    QString name;
    QHash<QString, QString> params; // first value of each parameter
    QString value;
};

bool parseProperty(const QString &line, Property &property)
{
    const int n = line.size();
    int i = 0;
    while (i < n && line.at(i) != QLatin1Char(';') && line.at(i) != QLatin1Char(':'))
        ++i;
    if (i == 0 || i == n)
        return false;
    property.name = line.left(i).trimmed().toUpper();
    while (i < n && line.at(i) == QLatin1Char(';')) {
        const int nameStart = ++i;
        while (i < n && line.at(i) != QLatin1Char('=') && line.at(i) != QLatin1Char(';')
               && line.at(i) != QLatin1Char(':'))
            ++i;
        if (i == n || line.at(i) != QLatin1Char('='))
            return false;
        const QString name = line.mid(nameStart, i - nameStart).trimmed().toUpper();
        ++i;
        QString first;
        bool haveFirst = false;
        for (;;) {
            QString value;
            if (i < n && line.at(i) == QLatin1Char('"')) {
                const int close = line.indexOf(QLatin1Char('"'), i + 1);
                if (close < 0)
                    return false;
                value = line.mid(i + 1, close - i - 1);
                i = close + 1;
            } else {
                const int valueStart = i;
                while (i < n && line.at(i) != QLatin1Char(',') && line.at(i) != QLatin1Char(';')
                       && line.at(i) != QLatin1Char(':'))
                    ++i;
                value = line.mid(valueStart, i - valueStart);
            }
            if (!haveFirst) {
                first = value;
                haveFirst = true;
            }
            if (i < n && line.at(i) == QLatin1Char(','))
                ++i;
            else
                break;
        }
        property.params.insert(name, first);
    }
    if (i >= n || line.at(i) != QLatin1Char(':'))
        return false;
    property.value = line.mid(i + 1);
    return true;
}

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !text.isEmpty();
}

QDate parseDate(QStringView text)
{
    if (text.size() != 8 || !allDigits(text))
        return QDate();
    return QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
}

QTime parseTime(QStringView text)
{
    if (text.size() != 6 || !allDigits(text))
        return QTime();
    return QTime(text.left(2).toInt(), text.mid(2, 2).toInt(), text.mid(4, 2).toInt());
}

// "yyyyMMdd", "yyyyMMddTHHmmss" or the same with "Z". False when it is neither.
bool parseDateTimeValue(const QString &value, QDate &date, QTime &time, bool &isDate, bool &utc)
{
    const QString text = value.trimmed();
    utc = false;
    if (text.size() == 8) {
        date = parseDate(text);
        time = QTime(0, 0);
        isDate = true;
        return date.isValid();
    }
    QStringView view(text);
    if (view.endsWith(QLatin1Char('Z'))) {
        utc = true;
        view.chop(1);
    }
    if (view.size() != 15 || view.at(8) != QLatin1Char('T'))
        return false;
    date = parseDate(view.left(8));
    time = parseTime(view.mid(9));
    isDate = false;
    return date.isValid() && time.isValid();
}

QTimeZone zoneFor(const QString &id)
{
    QString name = id.trimmed();
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    // Only plain zone names get as far as the zone database.
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9_+\\- ]+(/[A-Za-z0-9_+\\- ]+)*$"));
    if (name.isEmpty() || name.size() > 64 || !safe.match(name).hasMatch())
        return QTimeZone();
    const QByteArray bytes = name.toUtf8();
    if (!name.contains(QLatin1Char(' ')) && QTimeZone::isTimeZoneIdAvailable(bytes))
        return QTimeZone(bytes);
    const QByteArray fromWindows = QTimeZone::windowsIdToDefaultIanaId(bytes);
    return fromWindows.isEmpty() ? QTimeZone() : QTimeZone(fromWindows);
}

// "[+-]P[nW][nD][T[nH][nM][nS]]" in seconds.
bool parseDuration(const QString &text, qint64 &seconds)
{
    static const QRegularExpression pattern(QStringLiteral(
            "^([+-]?)P(?:(\\d{1,6})W)?(?:(\\d{1,6})D)?(?:T(?:(\\d{1,6})H)?(?:(\\d{1,6})M)?(?:(\\d{1,6})S)?)?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed().toUpper());
    if (!match.hasMatch() || text.trimmed().size() <= 1)
        return false;
    seconds = match.captured(2).toLongLong() * 7 * 86400 + match.captured(3).toLongLong() * 86400
            + match.captured(4).toLongLong() * 3600 + match.captured(5).toLongLong() * 60
            + match.captured(6).toLongLong();
    if (match.captured(1) == QLatin1String("-"))
        seconds = -seconds;
    return true;
}

int weekday(QStringView code)
{
    static const char *const names[] = { "MO", "TU", "WE", "TH", "FR", "SA", "SU" };
    for (int i = 0; i < 7; ++i) {
        if (code == QLatin1String(names[i]))
            return i + 1;
    }
    return 0;
}

struct EventState
{
    bool active = false;
    Property start;
    Property end;
    Property duration;
    Property rule;
    QString summary;
    bool haveStart = false;
    bool haveEnd = false;
    bool haveDuration = false;
    bool haveRule = false;
    bool haveSummary = false;
    bool cancelled = false;
};

struct ZoneCache
{
    QHash<QString, QTimeZone> zones;

    Anchor anchorFor(const Property &property, bool utc)
    {
        Anchor anchor;
        if (utc) {
            anchor.kind = Anchor::Utc;
            return anchor;
        }
        const QString id = property.params.value(QStringLiteral("TZID"));
        if (id.isEmpty())
            return anchor;
        auto it = zones.constFind(id);
        if (it == zones.constEnd())
            it = zones.insert(id, zoneFor(id));
        if (it->isValid()) {
            anchor.kind = Anchor::Zone;
            anchor.zone = *it;
        } else {
            qCDebug(zlog("platform")) << "calendar: unknown zone, using local time:" << id;
        }
        return anchor;
    }
};

bool finishEvent(const EventState &state, ZoneCache &zones, Entry &entry)
{
    if (!state.haveStart || state.cancelled)
        return false;
    bool isDate = false;
    bool utc = false;
    if (!parseDateTimeValue(state.start.value, entry.startDate, entry.startTime, isDate, utc))
        return false;
    entry.subject = state.summary;
    entry.allDay = isDate;
    entry.anchor = isDate ? Anchor() : zones.anchorFor(state.start, utc);

    qint64 durationSecs = isDate ? 86400 : 0;
    QDate endDate;
    QTime endTime;
    bool endIsDate = false;
    bool endUtc = false;
    if (state.haveEnd && parseDateTimeValue(state.end.value, endDate, endTime, endIsDate, endUtc)) {
        if (isDate) {
            durationSecs = entry.startDate.daysTo(endDate) * 86400;
        } else {
            const Anchor endAnchor = endIsDate ? entry.anchor : zones.anchorFor(state.end, endUtc);
            durationSecs = entry.anchor.at(entry.startDate, entry.startTime)
                                   .secsTo(endAnchor.at(endDate, endTime));
        }
    } else if (state.haveDuration) {
        qint64 seconds = 0;
        if (parseDuration(state.duration.value, seconds))
            durationSecs = seconds;
    }
    // An end before the start is a writer's slip: keep the start, drop the length.
    if (isDate)
        entry.durationDays = qMax<qint64>(1, durationSecs / 86400);
    else
        entry.durationSecs = qMax<qint64>(0, durationSecs);

    if (state.haveRule && !parseRule(state.rule.value, entry.rule)) {
        qCDebug(zlog("platform")) << "calendar: rule not understood, first occurrence only:" << state.rule.value;
        entry.rule = Rule();
    }
    return true;
}

void appendFolded(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    int position = 0;
    int width = 75;
    while (bytes.size() - position > width) {
        int cut = position + width;
        // Never split a UTF-8 sequence.
        while (cut > position && (uchar(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(position, cut - position) + "\r\n ";
        position = cut;
        width = 74;
    }
    out += bytes.mid(position) + "\r\n";
}

QString dateTimeValue(const QDateTime &when)
{
    // Local times stay floating so the entry keeps its wall-clock time; others go out in UTC.
    if (when.timeSpec() == Qt::LocalTime)
        return when.toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    return when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

} // namespace

QDateTime Anchor::at(const QDate &date, const QTime &time) const
{
    switch (kind) {
    case Utc:
        return QDateTime(date, time, Qt::UTC);
    case Zone:
        return QDateTime(date, time, zone);
    case Local:
        break;
    }
    return QDateTime(date, time);
}

QString escapeText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            result += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            result += QLatin1String("\\n");
        else if (c != QLatin1Char('\r'))
            result += c;
    }
    return result;
}

QString unescapeText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            result += c;
            continue;
        }
        const QChar n = text.at(++i);
        if (n == QLatin1Char('n') || n == QLatin1Char('N'))
            result += QLatin1Char('\n');
        else if (n == QLatin1Char('\\') || n == QLatin1Char(';') || n == QLatin1Char(','))
            result += n;
        else
            result += QLatin1Char('\\') + n;
    }
    return result;
}

bool parseRule(const QString &text, Rule &rule)
{
    Rule result;
    bool haveFrequency = false;
    const QStringList parts = text.trimmed().split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const int equals = part.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return false;
        const QString key = part.left(equals).trimmed().toUpper();
        const QString value = part.mid(equals + 1).trimmed().toUpper();
        bool ok = true;
        if (key == QLatin1String("FREQ")) {
            if (value == QLatin1String("DAILY"))
                result.frequency = Rule::Daily;
            else if (value == QLatin1String("WEEKLY"))
                result.frequency = Rule::Weekly;
            else if (value == QLatin1String("MONTHLY"))
                result.frequency = Rule::Monthly;
            else if (value == QLatin1String("YEARLY"))
                result.frequency = Rule::Yearly;
            else
                return false;
            haveFrequency = true;
        } else if (key == QLatin1String("INTERVAL")) {
            result.interval = value.toInt(&ok);
            if (!ok || result.interval < 1 || result.interval > 1000)
                return false;
        } else if (key == QLatin1String("COUNT")) {
            result.count = value.toInt(&ok);
            if (!ok || result.count < 1)
                return false;
        } else if (key == QLatin1String("UNTIL")) {
            bool isDate = false;
            if (!parseDateTimeValue(value, result.untilDate, result.untilTime, isDate, result.untilUtc))
                return false;
            result.hasUntil = true;
            result.untilIsDate = isDate;
        } else if (key == QLatin1String("BYDAY")) {
            const QStringList days = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
            for (const QString &day : days) {
                // Numbered days ("2MO") belong to monthly and yearly rules, which do not expand them.
                const int number = weekday(QStringView(day).trimmed());
                if (number == 0)
                    return false;
                if (!result.byDay.contains(number))
                    result.byDay.append(number);
            }
        } else if (key == QLatin1String("WKST")) {
            result.weekStart = weekday(value);
            if (result.weekStart == 0)
                return false;
        } else {
            return false;
        }
    }
    if (!haveFrequency)
        return false;
    if (!result.byDay.isEmpty() && result.frequency != Rule::Daily && result.frequency != Rule::Weekly)
        return false;
    rule = result;
    return true;
}

QList<Entry> parse(const QByteArray &content)
{
    // Unfold at byte level, so a fold inside a UTF-8 sequence still decodes.
    QList<QByteArray> lines;
    for (QByteArray line : content.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!lines.isEmpty() && !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t'))
            lines.last() += line.mid(1);
        else
            lines.append(line);
    }

    QList<Entry> entries;
    QStringList stack;
    EventState event;
    ZoneCache zones;
    for (const QByteArray &raw : std::as_const(lines)) {
        if (raw.trimmed().isEmpty())
            continue;
        Property property;
        if (!parseProperty(QString::fromUtf8(raw), property))
            continue;
        const QString component = property.value.trimmed().toUpper();
        if (property.name == QLatin1String("BEGIN")) {
            if (stack.size() >= maximumNesting)
                return {};
            // A calendar is one VCALENDAR; whatever precedes it is not ours.
            if (stack.isEmpty() && component != QLatin1String("VCALENDAR"))
                return {};
            stack.append(component);
            if (stack.size() == 2 && component == QLatin1String("VEVENT")) {
                event = EventState();
                event.active = true;
            }
            continue;
        }
        if (property.name == QLatin1String("END")) {
            if (stack.isEmpty() || stack.last() != component)
                continue;
            if (stack.size() == 2 && event.active) {
                Entry entry;
                if (finishEvent(event, zones, entry))
                    entries.append(entry);
                event = EventState();
            }
            stack.removeLast();
            continue;
        }
        // Properties of nested components (alarms) are not the event's.
        if (stack.size() != 2 || !event.active)
            continue;
        if (property.name == QLatin1String("DTSTART") && !event.haveStart) {
            event.start = property;
            event.haveStart = true;
        } else if (property.name == QLatin1String("DTEND") && !event.haveEnd) {
            event.end = property;
            event.haveEnd = true;
        } else if (property.name == QLatin1String("DURATION") && !event.haveDuration) {
            event.duration = property;
            event.haveDuration = true;
        } else if (property.name == QLatin1String("RRULE") && !event.haveRule) {
            event.rule = property;
            event.haveRule = true;
        } else if (property.name == QLatin1String("SUMMARY") && !event.haveSummary) {
            event.summary = unescapeText(property.value);
            event.haveSummary = true;
        } else if (property.name == QLatin1String("STATUS")) {
            event.cancelled = property.value.trimmed().toUpper() == QLatin1String("CANCELLED");
        }
    }
    return entries;
}

QByteArray eventText(const QString &subject, const QDateTime &start, const QDateTime &end,
                     const QString &rrule, bool allDay)
{
    QByteArray out;
    appendFolded(out, QStringLiteral("BEGIN:VEVENT"));
    appendFolded(out, QStringLiteral("UID:") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    appendFolded(out, QStringLiteral("DTSTAMP:")
                         + ZSystemClock::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    if (allDay) {
        const QDate endDate = end.date() > start.date() ? end.date() : start.date().addDays(1);
        appendFolded(out, QStringLiteral("DTSTART;VALUE=DATE:") + start.date().toString(QStringLiteral("yyyyMMdd")));
        appendFolded(out, QStringLiteral("DTEND;VALUE=DATE:") + endDate.toString(QStringLiteral("yyyyMMdd")));
    } else {
        appendFolded(out, QStringLiteral("DTSTART:") + dateTimeValue(start));
        appendFolded(out, QStringLiteral("DTEND:") + dateTimeValue(end));
    }
    appendFolded(out, QStringLiteral("SUMMARY:") + escapeText(subject));
    if (!rrule.trimmed().isEmpty())
        appendFolded(out, QStringLiteral("RRULE:") + rrule.trimmed());
    appendFolded(out, QStringLiteral("END:VEVENT"));
    return out;
}

} // namespace CalendarFile
