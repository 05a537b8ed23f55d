#include <am_appregistry.h>
#include <am_global.h>
#include <am_launcherclient.h>
#include <qcopchannel.h>

#include "testdevice.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
const char prayerId[] = "d7c961e1-43c2-4e34-aa93-360e6e83163d";
const char recorderId[] = "5f1b0d2e-7a43-4c1e-9d55-0c8a3e6b2f10";
const char missingProgramId[] = "0c3f3c59-1d2e-4a7b-b1f4-6f1d4c2e8a90";
} // namespace

// Finding applications by id and starting them with the argument text split like a shell.
class tst_AM_LauncherClient : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shippedApplications_data();
    void shippedApplications();
    void lookUp_data();
    void lookUp();
    void brokenEntriesAreLeftOut();
    void entryValues_data();
    void entryValues();
    void argumentsAreSplit_data();
    void argumentsAreSplit();
    void failuresStartAndAnnounceNothing_data();
    void failuresStartAndAnnounceNothing();
    void dryRunOnlyAnnounces();
    void placeholderShowsTheApplication();
    void registryReportsChanges();

private:
    void writeEntry(const QString &file, const QByteArray &body) const;
    QStringList recorded() const;

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<QTemporaryDir> m_bin;
};

void tst_AM_LauncherClient::init()
{
    m_device = std::make_unique<TestDevice>();
    // A stand-in program that writes its arguments one a line, found through $VYN_BIN_DIR.
    m_bin = std::make_unique<QTemporaryDir>();
    QFile script(m_bin->filePath("vyn-test-recorder"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nout=\"$1\"; shift\n"
                 "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    qputenv("VYN_BIN_DIR", QFile::encodeName(m_bin->path()));
    qunsetenv("VYN_LAUNCH_DRY_RUN");
    writeEntry("recorder.desktop", "Type=Application\nName=Recorder\nExec=vyn-test-recorder "
                                           + QFile::encodeName(m_bin->filePath("args.txt"))
                                           + " fixed\nX-Vyn-AppId=" + recorderId + "\n");
    writeEntry("missing.desktop", QByteArray("Type=Application\nName=Missing\nExec=vyn-no-such-program\n"
                                             "X-Vyn-AppId=") + missingProgramId + "\n");
}

void tst_AM_LauncherClient::cleanup()
{
    qunsetenv("VYN_BIN_DIR");
    qunsetenv("VYN_LAUNCH_DRY_RUN");
    m_bin.reset();
    m_device.reset();
}

void tst_AM_LauncherClient::writeEntry(const QString &file, const QByteArray &body) const
{
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/registry/" + file, "[Desktop Entry]\n" + body));
}

QStringList tst_AM_LauncherClient::recorded() const
{
    QFile file(m_bin->filePath("args.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return { QStringLiteral("<nothing yet>") };
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeLast();
    return lines;
}

void tst_AM_LauncherClient::shippedApplications_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("exec");
    QTest::newRow("prayer times") << prayerId << "Prayer Times" << "prayer_app";
    QTest::newRow("settings program") << "b7c81f31-8189-4237-935e-704b3eaf3923" << "Homescreen Setting"
                                      << "hssetting_app";
    QTest::newRow("messages") << "220072c6-9008-468e-9968-11f3c50fa95e" << "Messages" << "vyn-placeholder Messages";
    QTest::newRow("calendar") << "1e6b9963-24cc-41f8-bbee-a23ae761ff81" << "Calendar" << "vyn-placeholder Calendar";
    QTest::newRow("media finder") << "df0581bc-7bb1-43be-98db-1940d7cb8746" << "Media Finder"
                                  << "vyn-placeholder \"Media Finder\"";
}

void tst_AM_LauncherClient::shippedApplications()
{
    QFETCH(QString, id);
    QFETCH(QString, name);
    QFETCH(QString, exec);
    AM_AppRegistry::App app;
    QVERIFY(AM_AppRegistry::find(id, app));
    QCOMPARE(app.id, id);
    QCOMPARE(app.name, name);
    QCOMPARE(app.exec, exec);
    QVERIFY(!app.icon.isEmpty());
}

void tst_AM_LauncherClient::lookUp_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("found");
    QTest::newRow("as registered") << prayerId << true;
    QTest::newRow("upper case") << QString::fromLatin1(prayerId).toUpper() << true;
    QTest::newRow("braces") << "{d7c961e1-43c2-4e34-aa93-360e6e83163d}" << true;
    QTest::newRow("blanks around") << " d7c961e1-43c2-4e34-aa93-360e6e83163d " << true;
    QTest::newRow("unknown") << "d7c961e1-43c2-4e34-aa93-360e6e83163e" << false;
    QTest::newRow("not an id") << "prayer_app" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_AM_LauncherClient::lookUp()
{
    QFETCH(QString, id);
    QFETCH(bool, found);
    AM_AppRegistry::App app;
    QCOMPARE(AM_AppRegistry::find(id, app), found);
    QCOMPARE(app.name, found ? QStringLiteral("Prayer Times") : QString());
}

void tst_AM_LauncherClient::brokenEntriesAreLeftOut()
{
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/registry/binary.desktop", QByteArray("\x00\xff\x13[Desktop", 11)));
    writeEntry("no-id.desktop", "Type=Application\nName=No Id\nExec=vyn-placeholder x\n");
    writeEntry("link.desktop", "Type=Link\nName=Link\nExec=x\nX-Vyn-AppId=6d0c0c6e-0f83-4a38-9e0a-5b3f9b3d7e11\n");
    writeEntry("hidden.desktop",
               "Type=Application\nHidden=true\nName=Hidden\nExec=x\nX-Vyn-AppId=7a0c0c6e-0f83-4a38-9e0a-5b3f9b3d7e11\n");
    // A second entry with a taken id does not replace the first (files are read by name).
    writeEntry("zz-duplicate.desktop",
               QByteArray("Type=Application\nName=Impostor\nExec=x\nX-Vyn-AppId=") + prayerId + "\n");

    QStringList names;
    for (const AM_AppRegistry::App &app : AM_AppRegistry::apps())
        names << app.name;
    for (const char *left : { "No Id", "Link", "Hidden", "Impostor" })
        QVERIFY2(!names.contains(QLatin1String(left)), left);
    QVERIFY(names.contains("Prayer Times"));
    QVERIFY(names.contains("Recorder"));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(names, sorted);
}

void tst_AM_LauncherClient::entryValues_data()
{
    QTest::addColumn<QByteArray>("body");   // after "[Desktop Entry]", before Type and the id
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("icon");

    const QByteArray exec = "Exec=vyn-placeholder x\n";
    QTest::newRow("localised keys stay apart")
            << "Name[ar]=\xd8\xb3\xd8\xa7\xd8\xb9\xd8\xa9\nName=Clock\nIcon[ar]=ar.png\nIcon=clock.png\n" + exec
            << "Clock" << "vyn-placeholder x" << "clock.png";
    QTest::newRow("first value wins") << "Name=First\nName=Second\n" + exec << "First" << "vyn-placeholder x" << "";
    QTest::newRow("value escapes") << "Name=Two\\sWords\\q\nIcon=a\\\\b\n" + exec << "Two Words\\q"
                                   << "vyn-placeholder x" << "a\\b";
    QTest::newRow("Exec keeps its quoting") << QByteArray("Name=Quoted\nExec=\"vyn-placeholder\" \"a b\"\n") << "Quoted"
                                            << "\"vyn-placeholder\" \"a b\"" << "";
    QTest::newRow("other groups and comments ignored")
            << "# Name=Comment\nName=Main\n" + exec + "[Desktop Action new]\nName=Action\nExec=other\n" << "Main"
            << "vyn-placeholder x" << "";
}

void tst_AM_LauncherClient::entryValues()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, name);
    QFETCH(QString, exec);
    QFETCH(QString, icon);

    const QByteArray id = "3b6f0a52-41d4-4c8e-a1f2-7d9e0b5c6a11";
    // Type and the id come first so that another group in the body does not take them.
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/registry/entry.desktop",
                                "[Desktop Entry]\nType=Application\nX-Vyn-AppId=" + id + "\n" + body));
    AM_AppRegistry::App app;
    QVERIFY(AM_AppRegistry::find(QString::fromLatin1(id), app));
    QCOMPARE(app.name, name);
    QCOMPARE(app.exec, exec);
    QCOMPARE(app.icon, icon);
}

void tst_AM_LauncherClient::argumentsAreSplit_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("calendar view") << " --view=2" << QStringList { "fixed", "--view=2" };
    QTest::newRow("islamic events") << "event" << QStringList { "fixed", "event" };
    QTest::newRow("none") << "" << QStringList { "fixed" };
    QTest::newRow("quoted") << "one \"two three\"" << QStringList { "fixed", "one", "two three" };
}

void tst_AM_LauncherClient::argumentsAreSplit()
{
    QFETCH(QString, arguments);
    QFETCH(QStringList, expected);
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy spy(&launcher, &QCopChannel::received);
    QCOMPARE(AM_LauncherClient::launchAppObject(recorderId, arguments, 2, true, true), 0);
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), expected, 20000);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("launched(QString)"));
}

void tst_AM_LauncherClient::failuresStartAndAnnounceNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("result");
    QTest::newRow("unknown id") << "00000000-0000-0000-0000-000000000001" << 1;
    QTest::newRow("not an id") << "messages" << 1;
    QTest::newRow("program missing") << missingProgramId << 2;
}

void tst_AM_LauncherClient::failuresStartAndAnnounceNothing()
{
    QFETCH(QString, id);
    QFETCH(int, result);
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy spy(&launcher, &QCopChannel::received);
    // Drain what earlier tests left queued.
    QCopChannel::send(AM_Global::getLauncherChannel(), "drained");
    QTRY_VERIFY(!spy.isEmpty() && spy.last().at(0).toByteArray() == "drained");
    spy.clear();
    QCOMPARE(AM_LauncherClient::launchAppObject(id, "event", 2, true, true), result);
    // Own-process messages arrive in order: once the marker is in, an announcement would be too.
    QCopChannel::send(AM_Global::getLauncherChannel(), "marker");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("marker"));
}

void tst_AM_LauncherClient::dryRunOnlyAnnounces()
{
    qputenv("VYN_LAUNCH_DRY_RUN", "1");
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy spy(&launcher, &QCopChannel::received);
    // The program does not exist: only a dry run can report success.
    QCOMPARE(AM_LauncherClient::launchAppObject("{0C3F3C59-1D2E-4A7B-B1F4-6F1D4C2E8A90}", " --view=2", 0, true, true), 0);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("launched(QString)"));
    QDataStream stream(spy.at(0).at(1).toByteArray());
    QString id;
    QString arguments;
    stream >> id >> arguments;
    QCOMPARE(id, QString::fromLatin1(missingProgramId));
    QCOMPARE(arguments, QStringLiteral(" --view=2"));
    QVERIFY(!QFile::exists(m_bin->filePath("args.txt")));
}

void tst_AM_LauncherClient::placeholderShowsTheApplication()
{
    // The shipped calendar entry, started for real: the placeholder saves its screen and ends.
    QTemporaryDir shots;
    const QString prefix = shots.filePath("calendar");
    qputenv("VYN_HEADLESS_OUTPUT", QFile::encodeName(prefix));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int result = AM_LauncherClient::launchAppObject("1e6b9963-24cc-41f8-bbee-a23ae761ff81", " --view=2", 0,
                                                          true, true);
    qputenv("VYN_HEADLESS_OUTPUT", "");
    QCOMPARE(result, 0);
    const auto dump = [&prefix] {
        QFile file(prefix + ".txt");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_VERIFY_WITH_TIMEOUT(dump().contains("--view=2"), 30000);
    QVERIFY(dump().contains("Calendar"));
}

void tst_AM_LauncherClient::registryReportsChanges()
{
    AM_AppRegistry registry;
    QSignalSpy added(&registry, &AM_AppRegistry::signalAppObjectAdded);
    QSignalSpy updated(&registry, &AM_AppRegistry::signalRegistryObjectUpdated);
    QSignalSpy removed(&registry, &AM_AppRegistry::signalAppObjectRemoved);
    const QByteArray id = "3b8e6a52-5c1d-4f0e-a7a9-2d6f4e1c9b77";

    writeEntry("notes.desktop", "Type=Application\nName=Notes\nExec=x\nX-Vyn-AppId=" + id + "\n");
    QTRY_COMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toString(), QString::fromLatin1(id));
    writeEntry("notes.desktop", "Type=Application\nName=Memo\nExec=x\nX-Vyn-AppId=" + id + "\n");
    QTRY_COMPARE(updated.count(), 1);
    QVERIFY(QFile::remove(m_device->hostPath("/usr/SYSqtapp/registry/notes.desktop")));
    QTRY_COMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).toString(), QStringLiteral("Memo"));
    QCOMPARE(added.count(), 1);
}

QTEST_GUILESS_MAIN(tst_AM_LauncherClient)
#include "tst_am_launcherclient.moc"
