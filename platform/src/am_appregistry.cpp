#include "am_appregistry.h"
#include "inifile.h"
#include "util_language.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileSystemWatcher>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

namespace {

// Desktop entries are a few hundred bytes; a larger file is not one.
const qint64 maximumEntrySize = 64 * 1024;

QString canonicalId(const QString &text)
{
    const QUuid uuid = QUuid::fromString(QStringView(text).trimmed());
    return uuid.isNull() ? QString() : uuid.toString(QUuid::WithoutBraces);
}

// Value escapes of desktop entries (\s \n \t \r \\).
QString unescapeValue(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar n = value.at(++i);
        if (n == QLatin1Char('s'))
            result += QLatin1Char(' ');
        else if (n == QLatin1Char('n'))
            result += QLatin1Char('\n');
        else if (n == QLatin1Char('t'))
            result += QLatin1Char('\t');
        else if (n == QLatin1Char('r'))
            result += QLatin1Char('\r');
        else if (n == QLatin1Char('\\'))
            result += QLatin1Char('\\');
        else
            result += QLatin1Char('\\') + n;
    }
    return result;
}

// language: the display language's codes, most precise first ("fr-fr", "fr").
bool readEntry(const QString &path, const QStringList &language, AM_AppRegistry::App &app)
{
    // Open, one read, close: a folder of entries is read whenever a registry is made, and the
    // calls QFile adds (status twice, a read to find the end) were most of that time.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray text(maximumEntrySize + 1, Qt::Uninitialized);
    qsizetype length = 0;
    for (;;) {
        const size_t wanted = size_t(text.size() - length);
        const ssize_t got = ::read(fd, text.data() + length, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        length += got;
        // A short read of a regular file is its end; a full buffer is an entry too large.
        if (size_t(got) < wanted || length == text.size())
            break;
    }
    ::close(fd);
    if (length > maximumEntrySize)
        return false;
    text.truncate(length);
    const IniFile entry = IniFile::parse(text, IniFile::DesktopEntry);
    const auto value = [&entry](const char *key) {
        QString text;
        entry.value(QStringLiteral("Desktop Entry"), QString::fromLatin1(key), &text);
        return text;
    };
    if (value("Type") != QLatin1String("Application"))
        return false;
    if (value("Hidden") == QLatin1String("true"))
        return false;
    app.id = canonicalId(value("X-Vyn-AppId"));
    // Exec keeps its own quoting; it is split when the application starts.
    app.exec = value("Exec");
    app.name = unescapeValue(value("Name"));
    // The name in the display language: Name[fr-fr], then Name[fr], as desktop entries carry them.
    for (const QString &code : language) {
        const QString localized = value(QStringLiteral("Name[%1]").arg(code).toLatin1().constData());
        if (!localized.isEmpty()) {
            app.name = unescapeValue(localized);
            break;
        }
    }
    app.icon = unescapeValue(value("Icon"));
    return !app.id.isEmpty() && !app.exec.isEmpty();
}

QMap<QString, AM_AppRegistry::App> scan()
{
    QMap<QString, AM_AppRegistry::App> result;
    // Read once for the whole folder: the language lives in a settings file of its own.
    const QString code = UTIL_Language::getSystemLanguageCode().toLower();
    const QStringList language { code, code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0) };
    // The folder's own file types tell files apart: no status call per entry, and an
    // unreadable one fails at its opening like any other.
    QStringList files;
    QDirIterator entries(VynDevice::hostPath(AM_AppRegistry::registryFolder()), { QStringLiteral("*.desktop") },
                         QDir::Files);
    while (entries.hasNext())
        files.append(entries.next());
    files.sort();
    for (const QString &path : std::as_const(files)) {
        AM_AppRegistry::App app;
        const auto name = [&path] { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); };
        if (!readEntry(path, language, app)) {
            qCDebug(zlog("platform")) << "registry: not an application entry:" << name();
            continue;
        }
        if (result.contains(app.id)) {
            qCWarning(zlog("platform")) << "registry: duplicate application id" << app.id << "in" << name();
            continue;
        }
        result.insert(app.id, app);
    }
    return result;
}

} // namespace

AM_AppRegistry::AM_AppRegistry(QObject *parent)
    : QObject(parent)
    , m_known(scan())
    , m_settle(new QTimer(this))
{
    const QString folder = VynDevice::hostPath(registryFolder());
    QDir().mkpath(folder);
    // One write brings several events: they are read together, then the folder once.
    m_settle->setSingleShot(true);
    m_settle->setInterval(20);
    connect(m_settle, &QTimer::timeout, this, &AM_AppRegistry::rescan);

    // One watch on the folder sees entries added, removed, renamed and written in place; a
    // watch per entry (all Qt's watcher offers for edits) costs more than reading them all.
    m_inotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_inotify >= 0
        && inotify_add_watch(m_inotify, QFile::encodeName(folder).constData(),
                             IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB)
                >= 0) {
        m_notifier = new QSocketNotifier(m_inotify, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &AM_AppRegistry::readEvents);
        return;
    }
    qCWarning(zlog("platform")) << "registry: no folder watch, watching each entry instead";
    if (m_inotify >= 0)
        ::close(m_inotify);
    m_inotify = -1;
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(folder);
    watchEntries();
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &AM_AppRegistry::rescan);
    // Entries edited in place change no folder entry.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &AM_AppRegistry::rescan);
}

void AM_AppRegistry::readEvents()
{
    char buffer[4096];
    while (::read(m_inotify, buffer, sizeof buffer) > 0) {
    }
    m_settle->start();
}

void AM_AppRegistry::watchEntries()
{
    if (!m_watcher)
        return;
    const QDir folder(VynDevice::hostPath(registryFolder()));
    const QStringList watchedFiles = m_watcher->files();
    const QSet<QString> watched(watchedFiles.begin(), watchedFiles.end());
    const QStringList files = folder.entryList({ QStringLiteral("*.desktop") }, QDir::Files);
    QStringList added;
    for (const QString &name : files) {
        const QString path = folder.filePath(name);
        if (!watched.contains(path))
            added.append(path);
    }
    // One call for the lot: the watcher sets up its watches in a single pass.
    if (!added.isEmpty())
        m_watcher->addPaths(added);
}

AM_AppRegistry::~AM_AppRegistry()
{
    delete m_notifier;
    if (m_inotify >= 0)
        ::close(m_inotify);
}

QString AM_AppRegistry::registryFolder()
{
    return QStringLiteral("/usr/SYSqtapp/registry");
}

QList<AM_AppRegistry::App> AM_AppRegistry::apps()
{
    QList<App> result = scan().values();
    std::stable_sort(result.begin(), result.end(), [](const App &a, const App &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return result;
}

bool AM_AppRegistry::find(const QString &id, App &app)
{
    const QString wanted = canonicalId(id);
    if (wanted.isEmpty())
        return false;
    const QMap<QString, App> all = scan();
    const auto it = all.constFind(wanted);
    if (it == all.constEnd())
        return false;
    app = it.value();
    return true;
}

void AM_AppRegistry::rescan()
{
    watchEntries();
    const QMap<QString, App> now = scan();
    const QMap<QString, App> before = std::exchange(m_known, now);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!now.contains(it.key()))
            emit signalAppObjectRemoved(it.key(), it->name);
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend()) {
            emit signalAppObjectAdded(it.key(), it->name);
        } else if (old->name != it->name || old->exec != it->exec || old->icon != it->icon) {
            emit signalRegistryObjectUpdated(it.key());
        }
    }
}
