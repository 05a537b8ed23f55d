#include "zlog.h"

#include <QByteArray>
#include <QMutex>

#include <map>
#include <memory>

namespace {

struct Port
{
    QByteArray name;
    std::unique_ptr<QLoggingCategory> category;
};

std::map<QByteArray, std::unique_ptr<Port>> &ports()
{
    static std::map<QByteArray, std::unique_ptr<Port>> table;
    return table;
}

QMutex portsMutex;

} // namespace

const QLoggingCategory &zlog(const char *port)
{
    QMutexLocker locker(&portsMutex);
    const QByteArray key(port ? port : "default");
    std::unique_ptr<Port> &entry = ports()[key];
    if (!entry) {
        // Categories keep a pointer to their name: both live as long as the process.
        entry = std::make_unique<Port>();
        entry->name = "vyn." + key;
        entry->category.reset(new QLoggingCategory(entry->name.constData(), QtInfoMsg));
    }
    return *entry->category;
}

void ZLOG_Init(const char *port)
{
    qCInfo(zlog(port)) << "log port initialised";
}

void ZLOG_Open(const char *port)
{
    qCDebug(zlog(port)) << "log port opened";
}

void ZLOG_Close(const char *port)
{
    qCDebug(zlog(port)) << "log port closed";
}
