#include "msgctr_eng_statusapi.h"
#include "setup_set_manager.h"
#include "vynchannels.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

namespace {

const QString unreadGroup = QStringLiteral("Unread");

int readCount(const QString &countKey, const QString &failKey, int &count)
{
    count = 0;
    const SETUP_SET_Manager file(MSGCTR_ENG_StatusApi::statusFile(), true);
    bool fail = false;
    file.getSettingInfo(unreadGroup, failKey, fail, false);
    if (fail)
        return 1;
    QString text;
    if (!file.getSettingInfo(unreadGroup, countKey, text, QString()))
        return 0;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    // A damaged count is a failed query, not a made-up number.
    if (!ok || value < 0) {
        qCWarning(zlog("platform")) << "message status: bad count" << countKey << text;
        return 2;
    }
    count = value;
    return 0;
}

} // namespace

MSGCTR_ENG_StatusApi::MSGCTR_ENG_StatusApi(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    // The file is replaced atomically, so its folder is watched as well as the file itself.
    const QString file = VynDevice::hostPath(statusFile());
    const QString folder = QFileInfo(file).absolutePath();
    QDir().mkpath(folder);
    m_watcher->addPath(folder);
    if (QFileInfo::exists(file))
        m_watcher->addPath(file);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &MSGCTR_ENG_StatusApi::refresh);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MSGCTR_ENG_StatusApi::refresh);
    auto *channel = new QCopChannel(channelName(), this);
    connect(channel, &QCopChannel::received, this, &MSGCTR_ENG_StatusApi::channelMessage);
    m_snapshot = readSnapshot();
}

QString MSGCTR_ENG_StatusApi::statusFile()
{
    return QStringLiteral("/setup/vyn_messages.cfg");
}

const char *MSGCTR_ENG_StatusApi::channelName()
{
    return VynChannel::MessageCenter;
}

int MSGCTR_ENG_StatusApi::getUnreadSmsCount(int &count)
{
    return readCount(QStringLiteral("SMS"), QStringLiteral("SMSFail"), count);
}

int MSGCTR_ENG_StatusApi::getUnreadMmsCount(int &count)
{
    return readCount(QStringLiteral("MMS"), QStringLiteral("MMSFail"), count);
}

QString MSGCTR_ENG_StatusApi::readSnapshot() const
{
    const SETUP_SET_Manager file(statusFile(), true);
    QStringList values;
    for (const char *key : { "SMS", "MMS", "SMSFail", "MMSFail" }) {
        QString value;
        file.getSettingInfo(unreadGroup, QString::fromLatin1(key), value, QString());
        values << value;
    }
    return values.join(QLatin1Char('\n'));
}

void MSGCTR_ENG_StatusApi::refresh()
{
    const QString file = VynDevice::hostPath(statusFile());
    if (QFileInfo::exists(file) && !m_watcher->files().contains(file))
        m_watcher->addPath(file);
    const QString snapshot = readSnapshot();
    if (snapshot == m_snapshot)
        return;
    m_snapshot = snapshot;
    emit sigDataUpdated();
}

void MSGCTR_ENG_StatusApi::channelMessage(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::CountsChanged)
        refresh();
}
