#ifndef HSPLUGINLOG_H
#define HSPLUGINLOG_H

#include <zlog.h>

// The home screen's log port as a plugin library sees it: opened on first use, closed when the
// library is unloaded. Each library keeps one instance at namespace scope.
class HSPluginLog
{
public:
    HSPluginLog() = default;
    HSPluginLog(const HSPluginLog &) = delete;
    HSPluginLog &operator=(const HSPluginLog &) = delete;
    ~HSPluginLog()
    {
        if (m_opened)
            ZLOG_Close(port);
    }

    const QLoggingCategory &category()
    {
        if (!m_opened) {
            m_opened = true;
            ZLOG_Open(port);
        }
        return zlog(port);
    }

private:
    static constexpr const char *port = "qd_idle";
    bool m_opened = false;
};

#endif // HSPLUGINLOG_H
