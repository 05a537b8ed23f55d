#include "util_datetime.h"
#include "zconfig.h"
#include "zresource.h"

#include <QLocale>
#include <QStringList>

namespace {

const char group[] = "DateTime";

QString readSetting(const char *key)
{
    return ZConfig(UTIL_DateTime::settingsFile(), true)
            .readEntry(QLatin1String(group), QLatin1String(key))
            .trimmed();
}

QString localeDateFormat()
{
    // The C locale's short form is "d MMM yyyy"; anything the locale says is a valid format.
    return QLocale::system().dateFormat(QLocale::ShortFormat);
}

} // namespace

QString UTIL_DateTime::settingsFile()
{
    return QStringLiteral("/setup/vyn_datetime.cfg");
}

QStringList UTIL_DateTime::dateFormatChoices()
{
    // The choices of the date settings screen; any other stored text is ignored, since a
    // QDate format would print letters it does not know as they stand.
    return {
        QStringLiteral("dd/MM/yyyy"),
        QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("yyyy/MM/dd"),
        QStringLiteral("dd-MM-yyyy"),
        QStringLiteral("MM-dd-yyyy"),
        QStringLiteral("yyyy-MM-dd"),
        QStringLiteral("dd.MM.yyyy"),
        QStringLiteral("d MMM yyyy"),
        QStringLiteral("MMM d, yyyy"),
    };
}

bool UTIL_DateTime::getTimeFormat()
{
    const QString value = readSetting("TimeFormat");
    if (value == QLatin1String("12"))
        return true;
    if (value == QLatin1String("24"))
        return false;
    const QString localeFormat = QLocale::system().timeFormat(QLocale::ShortFormat);
    return localeFormat.contains(QLatin1String("AP"), Qt::CaseInsensitive);
}

QString UTIL_DateTime::dateFormat()
{
    const QString value = readSetting("DateFormat");
    if (dateFormatChoices().contains(value))
        return value;
    return localeDateFormat();
}

QString UTIL_DateTime::timeToString(const QTime &time, int accuracy)
{
    if (!time.isValid())
        return QString();
    const bool withSeconds = accuracy == 1;
    int hour = time.hour();
    QString marker;
    if (getTimeFormat()) {
        marker = hour < 12 ? ZResource::text("UTIL_DateTime", "TXT_RID_STANDARD_AM", "AM")
                           : ZResource::text("UTIL_DateTime", "TXT_RID_STANDARD_PM", "PM");
        hour = hour % 12 == 0 ? 12 : hour % 12;
    }
    QString text = QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(time.minute(), 2, 10, QLatin1Char('0'));
    if (withSeconds)
        text += QStringLiteral(":%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    if (!marker.isEmpty())
        text += QLatin1Char(' ') + marker;
    return text;
}

QString UTIL_DateTime::dateToString(const QDate &date, int accuracy)
{
    if (!date.isValid())
        return QString();
    // Month and day names follow the locale, which the language setting drives.
    const QLocale locale;
    if (accuracy == 1)
        return locale.toString(date, QLocale::LongFormat);
    return locale.toString(date, dateFormat());
}

QString UTIL_DateTime::toString(const QDate &date)
{
    return dateToString(date, 0);
}

QString UTIL_DateTime::toString(const QTime &time)
{
    return timeToString(time, 0);
}
