#include "setup_set_manager.h"
#include "zconfig.h"
#include "inifile.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Cross-process writer lock on "<file>.lock". flock waits in the kernel, so a busy writer
// cannot starve another one, and the lock goes away with a process that dies holding it.
class WriterLock
{
public:
    explicit WriterLock(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path + QStringLiteral(".lock")).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~WriterLock()
    {
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_UN);
            ::close(m_fd);
        }
    }
    bool isLocked() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace

struct SETUP_SET_Manager::Private
{
    QString devicePath;
    QString hostPath;
    bool readOnly = false;
    IniFile content;
    // Changes since opening, replayed onto the disk content at commit.
    struct Change
    {
        QString group;
        QString key;
        QString value;
        bool remove;
    };
    QList<Change> changes;
};

SETUP_SET_Manager::SETUP_SET_Manager(const QString &path, bool readOnly)
    : d(new Private)
{
    d->devicePath = path;
    d->hostPath = VynDevice::hostPath(path);
    d->readOnly = readOnly;
    d->content = readIniFile(d->hostPath);
}

SETUP_SET_Manager::SETUP_SET_Manager(int applicationNumber)
    : SETUP_SET_Manager(QStringLiteral("/setup/app_%1.cfg").arg(applicationNumber))
{
}

SETUP_SET_Manager::~SETUP_SET_Manager() = default;

QString SETUP_SET_Manager::path() const
{
    return d->devicePath;
}

bool SETUP_SET_Manager::getSettingInfo(const QString &group, const QString &key, QString &value,
                                       const QString &defaultValue, bool) const
{
    if (d->content.value(group, key, &value))
        return true;
    value = defaultValue;
    return false;
}

bool SETUP_SET_Manager::getSettingInfo(const QString &group, const QString &key, int &value,
                                       int defaultValue) const
{
    QString text;
    bool ok = false;
    if (d->content.value(group, key, &text))
        value = text.trimmed().toInt(&ok);
    if (!ok)
        value = defaultValue;
    return ok;
}

bool SETUP_SET_Manager::getSettingInfo(const QString &group, const QString &key, unsigned int &value,
                                       unsigned int defaultValue) const
{
    QString text;
    bool ok = false;
    if (d->content.value(group, key, &text))
        value = text.trimmed().toUInt(&ok);
    if (!ok)
        value = defaultValue;
    return ok;
}

bool SETUP_SET_Manager::getSettingInfo(const QString &group, const QString &key, bool &value,
                                       bool defaultValue) const
{
    QString text;
    if (!d->content.value(group, key, &text)) {
        value = defaultValue;
        return false;
    }
    value = vynParseBool(text, defaultValue);
    return true;
}

void SETUP_SET_Manager::setSettingInfo(const QString &group, const QString &key, const QString &value)
{
    d->content.setValue(group, key, value);
    d->changes.append({ group, key, value, false });
}

void SETUP_SET_Manager::setSettingInfo(const QString &group, const QString &key, const char *value)
{
    setSettingInfo(group, key, QString::fromUtf8(value));
}

void SETUP_SET_Manager::setSettingInfo(const QString &group, const QString &key, int value)
{
    setSettingInfo(group, key, QString::number(value));
}

void SETUP_SET_Manager::setSettingInfo(const QString &group, const QString &key, bool value)
{
    setSettingInfo(group, key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SETUP_SET_Manager::removeSettingInfo(const QString &group, const QString &key)
{
    d->content.remove(group, key);
    d->changes.append({ group, key, QString(), true });
}

QStringList SETUP_SET_Manager::groups() const
{
    return d->content.groups();
}

QStringList SETUP_SET_Manager::keys(const QString &group) const
{
    return d->content.keys(group);
}

bool SETUP_SET_Manager::commit()
{
    if (d->readOnly) {
        qCWarning(zlog("platform")) << "commit on a read-only settings manager:" << d->devicePath;
        return false;
    }
    if (d->changes.isEmpty() && QFileInfo::exists(d->hostPath))
        return true;

    const QFileInfo info(d->hostPath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const WriterLock lock(d->hostPath);
    if (!lock.isLocked()) {
        qCWarning(zlog("platform")) << "cannot lock settings file:" << d->devicePath;
        return false;
    }
    // Merge onto what other processes committed since this manager was opened.
    IniFile onDisk = readIniFile(d->hostPath);
    for (const Private::Change &change : std::as_const(d->changes)) {
        if (change.remove)
            onDisk.remove(change.group, change.key);
        else
            onDisk.setValue(change.group, change.key, change.value);
    }
    QSaveFile file(d->hostPath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(zlog("platform")) << "cannot write settings file:" << d->devicePath << file.errorString();
        return false;
    }
    file.write(onDisk.serialise());
    if (!file.commit()) {
        qCWarning(zlog("platform")) << "cannot write settings file:" << d->devicePath << file.errorString();
        return false;
    }
    d->content = onDisk;
    d->changes.clear();
    return true;
}

bool vynParseBool(const QString &text, bool defaultValue)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("on"))
        return true;
    if (t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("off"))
        return false;
    bool ok = false;
    const int number = t.toInt(&ok);
    return ok ? number != 0 : defaultValue;
}

ZConfig::ZConfig(const QString &path, bool readOnly)
    : m_manager(path, readOnly)
{
}

QString ZConfig::readEntry(const QString &group, const QString &key, const QString &defaultValue) const
{
    QString value;
    m_manager.getSettingInfo(group, key, value, defaultValue);
    return value;
}

bool ZConfig::readBoolEntry(const QString &group, const QString &key, bool defaultValue) const
{
    bool value = defaultValue;
    m_manager.getSettingInfo(group, key, value, defaultValue);
    return value;
}

int ZConfig::readNumEntry(const QString &group, const QString &key, int defaultValue) const
{
    int value = defaultValue;
    m_manager.getSettingInfo(group, key, value, defaultValue);
    return value;
}

void ZConfig::writeEntry(const QString &group, const QString &key, const QString &value)
{
    m_manager.setSettingInfo(group, key, value);
}

void ZConfig::writeEntry(const QString &group, const QString &key, bool value)
{
    m_manager.setSettingInfo(group, key, value);
}

void ZConfig::writeEntry(const QString &group, const QString &key, int value)
{
    m_manager.setSettingInfo(group, key, value);
}

bool ZConfig::flush()
{
    return m_manager.commit();
}
