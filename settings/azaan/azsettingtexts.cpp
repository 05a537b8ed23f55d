#include "azsettingtexts.h"

#include <azaansettings.h>
#include <zresource.h>

#include <QFileInfo>

namespace AZSettingTexts {

namespace {

const char context[] = "AZSettingWgt";

// QT_TRANSLATE_NOOP names each identifier's context where the lookup cannot, for the check that
// every shipped language translates it.

#ifdef AZ_SETTINGS_PLUGIN_BUILD
const Row rows[RowCount] = {
    { CustomCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_CUSTOM_HOMESCREEN"), "Custom Home Screen", &AzaanSettings::getEnabled, &AzaanSettings::setEnabled },
    { PrayerCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_PRAYER"), "Prayer Time", &AzaanSettings::getPrayer, &AzaanSettings::setPrayer },
    { MethodCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_CUSTOM_PRAYERMETHOD"), "Prayer Method", &AzaanSettings::getPrayerMethod, &AzaanSettings::setPrayerMethod },
    { CityCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_CITY"), "City", &AzaanSettings::getCity, &AzaanSettings::setCity },
    { AlertCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_PRAYERALERT"), "Prayer Alert", &AzaanSettings::getAlert, &AzaanSettings::setAlert },
    { AlertSoundCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_ALERTSOUND"), "Alert Sound", &AzaanSettings::getAlertPath, &AzaanSettings::setAlertPath },
    { MessageCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_MESSAGE_INBOX"), "Message Inbox", &AzaanSettings::getMessage, &AzaanSettings::setMessage },
    { CalendarCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_CALENDAR"), "Calendar", &AzaanSettings::getCalendar, &AzaanSettings::setCalendar },
    { EventCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_ISLAMIC_CALENDAR"), "Islamic Calendar", &AzaanSettings::getEvent, &AzaanSettings::setEvent },
    { MediaCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_A_MEDIA_FINDER"), "Media Finder", &AzaanSettings::getMedia, &AzaanSettings::setMedia },
};
const char *const methodIds[5] = {
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_WORLD_LEAGUE"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_EGYPTIAN_GENERAL"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ISLAMIC_SCIENCES"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ISLAMIC_SOCIETY"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_UMM_QURAH"),
};
const char *const alertIds[6] = {
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_OFF"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_BEFORE10"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_BEFORE5"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_EXACT"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_AFTER5"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_AFTER10"),
};
const char onId[] = QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_B_ON");
const char offId[] = QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_SETTING_B_OFF");
#else
const Row rows[RowCount] = {
    { CustomCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_CUSTOM_HOME_SCREEN"), "Custom Home Screen", &AzaanSettings::getEnabled, &AzaanSettings::setEnabled },
    { PrayerCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_PRAYER_TIME"), "Prayer Time", &AzaanSettings::getPrayer, &AzaanSettings::setPrayer },
    { MethodCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_PRAYER_METHOD"), "Prayer Method", &AzaanSettings::getPrayerMethod, &AzaanSettings::setPrayerMethod },
    { CityCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_CITY"), "City", &AzaanSettings::getCity, &AzaanSettings::setCity },
    { AlertCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_PRAYER_ALERT"), "Prayer Alert", &AzaanSettings::getAlert, &AzaanSettings::setAlert },
    { AlertSoundCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ALERT_SOUND"), "Alert Sound", &AzaanSettings::getAlertPath, &AzaanSettings::setAlertPath },
    { MessageCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_MESSAGE_INBOX"), "Message Inbox", &AzaanSettings::getMessage, &AzaanSettings::setMessage },
    { CalendarCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_CALENDAR"), "Calendar", &AzaanSettings::getCalendar, &AzaanSettings::setCalendar },
    { EventCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ISLAMIC_CALENDAR"), "Islamic Calendar", &AzaanSettings::getEvent, &AzaanSettings::setEvent },
    { MediaCode, QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_MEDIA_FINDER"), "Media Finder", &AzaanSettings::getMedia, &AzaanSettings::setMedia },
};
const char *const methodIds[5] = {
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_MUSLIM_WORLD_LEAGUE"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_EGYPTIAN_GENERAL"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ISLAMIC_SCIENCES"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ISLAMIC_SOCIETY"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_UMM_AL_QURAH"),
};
const char *const alertIds[6] = {
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_OFF"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_10_MINUTES_BEFORE"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_5_MINUTES_BEFORE"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_AT_PRAYER_TIME"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_5_MINUTES_AFTER"),
    QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_10_MINUTES_AFTER"),
};
const char onId[] = QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_ON");
const char offId[] = QT_TRANSLATE_NOOP("AZSettingWgt", "TXT_RID_LIST_A_OFF");
#endif

const char *const methodFallbacks[5] = { "Muslim World League", "Egyptian General", "Islamic Sciences",
                                         "Islamic Society", "Umm Al Qurah" };
const char *const alertFallbacks[6] = { "Off", "10 minutes before", "5 minutes before", "At prayer time",
                                        "5 minutes after", "10 minutes after" };

QStringList translate(const char *const *ids, const char *const *fallbacks, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << ZResource::text(context, ids[i], fallbacks[i]);
    return texts;
}

// A stored number in 1 to 5, or 0.
int storedNumber(const QString &stored)
{
    bool ok = false;
    const int number = stored.trimmed().toInt(&ok, 10);
    return ok && number >= 1 && number <= 5 ? number : 0;
}

} // namespace

const Row &row(int position)
{
    return rows[qBound(0, position, RowCount - 1)];
}

const Row *rowForCode(int code)
{
    for (const Row &candidate : rows) {
        if (candidate.code == code)
            return &candidate;
    }
    return nullptr;
}

QString label(const Row &row)
{
    return ZResource::text(context, row.labelId, row.labelFallback);
}

QString onText()
{
    static const QString text = ZResource::text(context, onId, "On");
    return text;
}

QString offText()
{
    static const QString text = ZResource::text(context, offId, "Off");
    return text;
}

const QStringList &methodNames()
{
    static const QStringList names = translate(methodIds, methodFallbacks, 5);
    return names;
}

const QStringList &alertNames()
{
    static const QStringList names = translate(alertIds, alertFallbacks, 6);
    return names;
}

bool isOn(const QString &stored)
{
    return stored != QLatin1String("0");
}

int methodIndex(const QString &stored)
{
    const int number = storedNumber(stored);
    return number == 0 ? 0 : number - 1;
}

int alertIndex(const QString &stored)
{
    if (stored == QLatin1String("0"))
        return 0;
    const int number = storedNumber(stored);
    return number == 0 ? 3 : number;
}

QString valueText(int code, const QString &stored)
{
    switch (code) {
    case MethodCode:
        return methodNames().at(methodIndex(stored));
    case AlertCode:
        return alertNames().at(alertIndex(stored));
    case CityCode:
        return stored;
    case AlertSoundCode:
        return stored.mid(stored.lastIndexOf(QLatin1Char('/')) + 1);
    default:
        return isOn(stored) ? onText() : offText();
    }
}

} // namespace AZSettingTexts
