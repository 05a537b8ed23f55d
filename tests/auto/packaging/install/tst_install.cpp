#include <QtTest>

#include <QProcess>
#include <QTemporaryDir>

// `cmake --install` into a temporary prefix: the programs, libraries, image and translations land
// where the installed programs look for them, and the installed programs run without the build.
class tst_Install : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layout_data();
    void layout();
    void prayertimesRuns();
    void prayerAppRunsHeadlessInArabic();

private:
    // Runs an installed program with a device root of its own and nothing of the build around.
    int run(const QString &program, const QStringList &args, const QString &root, QByteArray *output,
            const QStringList &extraEnvironment = {});
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
};

void tst_Install::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND_PATH),
                  { QStringLiteral("--install"), QStringLiteral(VYN_BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path() });
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
}

void tst_Install::layout_data()
{
    QTest::addColumn<QString>("file");
    const QString bin = QStringLiteral(VYN_INSTALL_BINDIR "/");
    const QString lib = QStringLiteral(VYN_INSTALL_LIBRARY_DIR "/");
    const QString image = QStringLiteral(VYN_INSTALL_IMAGE_DIR "/");
    for (const char *program : { "prayer_app", "prayertimes", "hssetting_app", "vyn-homescreen", "vyn-ctl", "vyn-device" })
        QTest::newRow(program) << bin + QLatin1String(program);
    for (const char *library : { "libvyn_platform.so", "libazaan_plugin.so", "libazaan_settings.so", "libclock_plugin.so",
                                 "libdate_plugin.so", "libstatustext_plugin.so" })
        QTest::newRow(library) << lib + QLatin1String(library);
    for (const char *file : { "usr/SYSqtapp/worldclock/worldcities.tsv", "usr/SYSqtapp/homescreen/hssetting.xml",
                              "usr/SYSqtapp/translations/prayer_app_ar.qm", "usr/SYSqtapp/translations/vyn_platform_ar.qm",
                              "usr/SYSqtapp/translations/azaan_plugin_fr.qm" })
        QTest::newRow(file) << image + QLatin1String(file);
}

void tst_Install::layout()
{
    QFETCH(QString, file);
    QVERIFY2(QFileInfo(installed(file)).isFile(), qPrintable(file));
    // The tests' recording plugins are no part of the image.
    QVERIFY(!QFile::exists(installed(QStringLiteral(VYN_INSTALL_LIBRARY_DIR "/libtestone_plugin.so"))));
}

int tst_Install::run(const QString &program, const QStringList &args, const QString &root, QByteArray *output,
                     const QStringList &extraEnvironment)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "VYN_IMAGE_DIR", "VYN_LIBRARY_DIR", "VYN_APP_WRITE_PATH", "VYN_LOCAL_APP_WRITE_PATH",
                              "LD_LIBRARY_PATH", "VYN_KEYS" })
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), root);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString &entry : extraEnvironment)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A cross build's programs run through the emulator.
    QStringList command = QProcess::splitCommand(qEnvironmentVariable("VYN_EXEC_WRAPPER"));
    command << installed(QStringLiteral(VYN_INSTALL_BINDIR "/") + program) << args;
    process.start(command.takeFirst(), command);
    if (!process.waitForFinished(60000))
        return -1;
    *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void tst_Install::prayertimesRuns()
{
    QTemporaryDir root;
    QByteArray output;
    QCOMPARE(run(QStringLiteral("prayertimes"), { "--city", "Abu Dhabi", "--date", "2024-06-01" }, root.path(), &output), 0);
    QVERIFY2(output.contains("2024-06-01"), output.constData());
    // It filled the fresh device root from the installed image.
    QVERIFY(QFile::exists(root.filePath(QStringLiteral("usr/SYSqtapp/homescreen/az_timezone.cfg"))));
    QVERIFY(QFile::exists(root.filePath(QStringLiteral("usr/SYSqtapp/translations/prayer_app_ar.qm"))));
}

void tst_Install::prayerAppRunsHeadlessInArabic()
{
    QTemporaryDir root;
    QByteArray output;
    QCOMPARE(run(QStringLiteral("vyn-device"), { "install-image" }, root.path(), &output), 0);
    QFile system(root.filePath(QStringLiteral("tmp/vyn_system.cfg")));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("tmp"))));
    QVERIFY(system.open(QIODevice::WriteOnly));
    system.write("[SYS_SYSTEM_SET]\nLanguageType=ar\n");
    system.close();

    const QString prefix = root.filePath(QStringLiteral("shot"));
    QCOMPARE(run(QStringLiteral("prayer_app"), {}, root.path(), &output,
                 { QStringLiteral("VYN_HEADLESS_OUTPUT=") + prefix, QStringLiteral("VYN_CLOCK=2024-06-01T12:00:00") }),
             0);
    QVERIFY(QFileInfo(prefix + QStringLiteral(".png")).size() > 0);
    QFile dump(prefix + QStringLiteral(".txt"));
    QVERIFY(dump.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(dump.readAll());
    QVERIFY2(text.contains(QStringLiteral("مواقيت الصلاة")) && text.contains(QStringLiteral("الفجر")), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
