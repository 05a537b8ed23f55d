#include "am_launcherclient.h"
#include "am_appregistry.h"
#include "am_global.h"
#include "vynchannels.h"
#include "vyndevice.h"
#include "zlog.h"
#include "zmsg.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString resolveProgram(const QString &program)
{
    if (program.contains(QLatin1Char('/'))) {
        if (isExecutableFile(program))
            return program;
        // A device path ("/usr/bin/...") lives under the device root.
        const QString onDevice = VynDevice::hostPath(program);
        return isExecutableFile(onDevice) ? onDevice : QString();
    }
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    const QString binDir = qEnvironmentVariable("VYN_BIN_DIR");
    if (!binDir.isEmpty())
        folders << binDir;
    QString found = QStandardPaths::findExecutable(program, folders);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(program);
    return found;
}

bool isScript(const QString &program)
{
    QFile file(program);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "#!";
}

} // namespace

int AM_LauncherClient::launchAppObject(const QString &appId, const QString &arguments, int initiator, bool, bool)
{
    AM_AppRegistry::App app;
    if (!AM_AppRegistry::find(appId, app)) {
        qCWarning(zlog("platform")) << "launcher: unknown application" << appId;
        return 1;
    }
    const bool dryRun = !qEnvironmentVariableIsEmpty("VYN_LAUNCH_DRY_RUN");
    if (!dryRun) {
        QStringList command = QProcess::splitCommand(app.exec);
        const QString program = command.isEmpty() ? QString() : resolveProgram(command.takeFirst());
        if (program.isEmpty()) {
            qCWarning(zlog("platform")) << "launcher: no program for" << app.id << app.exec;
            return 2;
        }
        command += QProcess::splitCommand(arguments);
        // A cross-built image under emulation starts its programs through the emulator; scripts
        // run as they are.
        QStringList wrapper = QProcess::splitCommand(qEnvironmentVariable("VYN_EXEC_WRAPPER"));
        QString executable = program;
        if (!wrapper.isEmpty() && !isScript(program)) {
            executable = wrapper.takeFirst();
            command = wrapper + QStringList(program) + command;
        }
        if (!QProcess::startDetached(executable, command)) {
            qCWarning(zlog("platform")) << "launcher: cannot start" << program << command;
            return 3;
        }
    }
    qCDebug(zlog("platform")) << "launcher:" << (dryRun ? "announced" : "started") << app.id << app.name
                              << arguments << "initiator" << initiator;
    ZMsg message(AM_Global::getLauncherChannel(), VynMessage::Launched);
    message << app.id << arguments;
    message.send();
    return 0;
}
