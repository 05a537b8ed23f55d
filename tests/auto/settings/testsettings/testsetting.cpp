// Settings libraries for the tests: each records what happens to it in the file named by
// VYN_TEST_SETTING_LOG, one line per event ("loaded", "created 1", "show 1", "shown 1",
// "deleted 1", "unloaded"), each followed by the library's title.
#include <hspluginsettinginfo.h>

#include <QFile>
#include <QString>

#include <cstdlib>

namespace {

int created = 0;
void (*showHook)(void *) = nullptr;
void *showHookData = nullptr;

void record(const QString &event)
{
    const char *path = std::getenv("VYN_TEST_SETTING_LOG");
    if (!path || !*path)
        return;
    QFile log(QString::fromLocal8Bit(path));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write((event + QLatin1Char(' ') + QStringLiteral(TEST_SETTING_TITLE) + QLatin1Char('\n')).toUtf8());
}

__attribute__((constructor)) void loaded()
{
    record(QStringLiteral("loaded"));
}

__attribute__((destructor)) void unloaded()
{
    record(QStringLiteral("unloaded"));
}

class RecordingSettingInfo : public HSPluginSettingInfo
{
public:
    RecordingSettingInfo()
        : m_number(++created)
    {
        record(QStringLiteral("created %1").arg(m_number));
    }
    ~RecordingSettingInfo() override { record(QStringLiteral("deleted %1").arg(m_number)); }

    QString getSettingIcon() override { return QStringLiteral(TEST_SETTING_ICON); }
    QString getSettingTitle() override { return QStringLiteral(TEST_SETTING_TITLE); }
    void showSettingWidget(QWidget *) override
    {
        record(QStringLiteral("show %1").arg(m_number));
        if (showHook)
            showHook(showHookData);
        // Reads a member after the hook: a descriptor deleted meanwhile is caught here.
        record(QStringLiteral("shown %1").arg(m_number));
    }

private:
    int m_number;
};

} // namespace

#ifndef TEST_SETTING_NO_EXPORT
HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
#ifdef TEST_SETTING_NULL
    return nullptr;
#else
    return new RecordingSettingInfo;
#endif
}
#endif

// Lets a test act while a screen runs.
extern "C" __attribute__((visibility("default"))) void testSettingSetShowHook(void (*hook)(void *), void *data)
{
    showHook = hook;
    showHookData = data;
}
