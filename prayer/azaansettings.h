#ifndef AZAANSETTINGS_H
#define AZAANSETTINGS_H

#include <QString>

#include <memory>

class SETUP_SET_Manager;

// The Azaan settings file "/setup/qd_azaan_hs.cfg" under $VYN_LOCAL_APP_WRITE_PATH, group
// "SETTINGS", every value a text. Readers open the file afresh on every call; writers store,
// commit and (except the alert sound) broadcast "azaansettingschange".
class AzaanSettings
{
public:
    static AzaanSettings *instance();
    static void release();

    static QString filePath();

    QString getEnabled() const;
    QString getPrayer() const;
    QString getMessage() const;
    QString getCalendar() const;
    QString getEvent() const;
    QString getMedia() const;
    QString getPrayerMethod() const;
    QString getAlert() const;
    QString getAlertPath() const;
    QString getCity() const;

    // Each returns false when the value could not be written; nothing is announced then.
    bool setEnabled(const QString &value);
    bool setPrayer(const QString &value);
    bool setMessage(const QString &value);
    bool setCalendar(const QString &value);
    bool setEvent(const QString &value);
    bool setMedia(const QString &value);
    bool setPrayerMethod(const QString &value);
    bool setAlert(const QString &value);
    bool setAlertPath(const QString &value);
    bool setCity(const QString &value);

    ~AzaanSettings();

private:
    AzaanSettings();
    static void ensureFile();
    QString read(const char *key, const char *defaultValue) const;
    bool write(const char *key, const QString &value, bool broadcast);

    std::unique_ptr<SETUP_SET_Manager> m_manager;
};

#endif
