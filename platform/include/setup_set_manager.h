#ifndef SETUP_SET_MANAGER_H
#define SETUP_SET_MANAGER_H

#include <QString>
#include <QStringList>

#include <memory>

class IniFile;

// Settings file of groups and key/value texts. Reads see the file as it was when the manager
// was opened; commit merges this manager's changes into what is on disk at that moment, under
// a lock shared with every other process, and replaces the file atomically.
class SETUP_SET_Manager
{
public:
    SETUP_SET_Manager(const QString &path, bool readOnly = false);
    // Settings of a platform application given by number ("/setup/app_<number>.cfg").
    explicit SETUP_SET_Manager(int applicationNumber);
    ~SETUP_SET_Manager();

    SETUP_SET_Manager(const SETUP_SET_Manager &) = delete;
    SETUP_SET_Manager &operator=(const SETUP_SET_Manager &) = delete;

    // Each yields the stored value, or the default when group or key is missing (or, for the
    // numeric forms, when the text is not a number). Returns true when the key was found.
    bool getSettingInfo(const QString &group, const QString &key, QString &value,
                        const QString &defaultValue, bool numeric = false) const;
    bool getSettingInfo(const QString &group, const QString &key, int &value, int defaultValue) const;
    bool getSettingInfo(const QString &group, const QString &key, unsigned int &value,
                        unsigned int defaultValue) const;
    bool getSettingInfo(const QString &group, const QString &key, bool &value, bool defaultValue) const;

    void setSettingInfo(const QString &group, const QString &key, const QString &value);
    void setSettingInfo(const QString &group, const QString &key, const char *value);
    void setSettingInfo(const QString &group, const QString &key, int value);
    void setSettingInfo(const QString &group, const QString &key, bool value);
    void removeSettingInfo(const QString &group, const QString &key);

    QStringList groups() const;
    QStringList keys(const QString &group) const;

    // Writes the pending changes to disk; true once they are there.
    bool commit();

    QString path() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Boolean texts as the platform writes and reads them.
bool vynParseBool(const QString &text, bool defaultValue);

#endif
