#ifndef AZSETTINGTEXTS_H
#define AZSETTINGTEXTS_H

#include <QString>
#include <QStringList>

class AzaanSettings;

// The rows of the Azaan settings screen and the texts of their values. The settings library
// and the home-screen plugin build the same screen with their own text identifiers;
// AZ_SETTINGS_PLUGIN_BUILD selects the plugin's.
namespace AZSettingTexts {

enum RowCode {
    CustomCode = 0,
    PrayerCode = 1,
    MessageCode = 2,
    CalendarCode = 3,
    EventCode = 4,
    MediaCode = 5,
    MethodCode = 20,
    CityCode = 21,
    AlertCode = 22,
    AlertSoundCode = 23,
};

struct Row
{
    int code;
    const char *labelId;
    const char *labelFallback;
    QString (AzaanSettings::*read)() const;
    bool (AzaanSettings::*write)(const QString &);
};

constexpr int RowCount = 10;
// In screen order.
const Row &row(int position);
const Row *rowForCode(int code);

// Translated once per loaded library, in the translation context of the screen.
QString label(const Row &row);
QString onText();
QString offText();
const QStringList &methodNames();
const QStringList &alertNames();

// The entry a stored value stands for, as the readers of the file apply it: any text but "0"
// is on; a method outside 1 to 5 is the first (Muslim World League); an alert other than "0"
// outside 1 to 5 rings at the prayer time.
bool isOn(const QString &stored);
int methodIndex(const QString &stored);
int alertIndex(const QString &stored);

// The text shown for a stored value on a row.
QString valueText(int code, const QString &stored);

} // namespace AZSettingTexts

#endif
