// hssetting_app: its list (order, titles, icons, entries left out), picking rows, the framework
// messages, and the program's arguments and exit statuses.
#include "testdevice.h"

#include <hsset_manager.h>
#include <qcopchannel.h>
#include <set_mainwidget.h>
#include <zlistbox.h>

#include <QProcess>
#include <QTemporaryFile>

namespace {

const char systemCatalogue[] = "/usr/SYSqtapp/homescreen/hssetting.xml";

QByteArray plugin(const QByteArray &name, const QByteArray &order, const QByteArray &path,
                  const QByteArray &promptId = "TXT_RID_TEST", const QByteArray &icon = QByteArray(),
                  const QByteArray &extra = QByteArray())
{
    return "<Plugin><PluginName>" + name + "</PluginName><PluginPromptID>" + promptId
            + "</PluginPromptID><PluginPromptValue>" + name + " title</PluginPromptValue><PluginIcon>" + icon
            + "</PluginIcon><Path>" + path + "</Path><DisplayOrder>" + order + "</DisplayOrder>" + extra + "</Plugin>";
}

QStringList titles(ZListBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->subItemText(0, 0);
    return result;
}

} // namespace

class tst_HSSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsAndPicking();
    void icons();
    void frameworkMessages();
    void emptyCatalogue();
    void program_data();
    void program();

private:
    void writeCatalogue(const QByteArray &plugins);
    QStringList log() const;

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<QTemporaryFile> m_log;
};

void tst_HSSetting::init()
{
    m_device = std::make_unique<TestDevice>();
    m_log = std::make_unique<QTemporaryFile>();
    QVERIFY(m_log->open());
    qputenv("VYN_TEST_SETTING_LOG", QFile::encodeName(m_log->fileName()));
}

void tst_HSSetting::cleanup()
{
    HSSET_Manager::release();
    qunsetenv("VYN_TEST_SETTING_LOG");
    m_log.reset();
    m_device.reset();
}

void tst_HSSetting::writeCatalogue(const QByteArray &plugins)
{
    QVERIFY(m_device->writeFile(QString::fromLatin1(systemCatalogue), "<HomescreenSetting>" + plugins + "</HomescreenSetting>"));
}

QStringList tst_HSSetting::log() const
{
    QFile file(m_log->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void tst_HSSetting::rowsAndPicking()
{
    writeCatalogue(plugin("Two", "2", "librecordtwo_setting.so") + plugin("One", "1", "librecordone_setting.so")
                   + plugin("Untitled", "2", "librecordone_setting.so", QByteArray())
                   + plugin("NotInstalled", "2", "libabsent_setting.so")
                   + plugin("Three", "3", "librecordone_setting.so") + plugin("Null", "4", "libnull_setting.so"));
    SET_MainWidget screen;
    ZListBox *list = screen.listBox();
    QCOMPARE(titles(list), QStringList({ "One title", "Two title", "Three title", "Null title" }));

    screen.slotListItemClicked(1);
    QVERIFY(log().contains(QStringLiteral("show 1 Record Two")));
    // Past the untitled and the missing entries, rows still open their own.
    screen.slotListItemClicked(2);
    QVERIFY(log().contains(QStringLiteral("show 1 Record One")));
    // A library that offers nothing opens nothing; bad rows are ignored.
    const int shows = log().filter(QStringLiteral("show")).size();
    screen.slotListItemClicked(3);
    screen.slotListItemClicked(-1);
    screen.slotListItemClicked(99);
    QCOMPARE(log().filter(QStringLiteral("show")).size(), shows);
    // Each opening works on a fresh descriptor.
    screen.slotListItemClicked(1);
    QVERIFY(log().contains(QStringLiteral("deleted 1 Record Two")));
    QVERIFY(log().contains(QStringLiteral("show 2 Record Two")));
}

void tst_HSSetting::icons()
{
    writeCatalogue(plugin("Icon", "1", "librecordone_setting.so", "TXT_RID_TEST", "hsset_azaan.g")
                   + plugin("Short", "2", "librecordone_setting.so", "TXT_RID_TEST", "x")
                   + plugin("Missing", "3", "librecordone_setting.so", "TXT_RID_TEST", "/nowhere.png"));
    SET_MainWidget screen;
    QCOMPARE(screen.listBox()->count(), 3);
    QVERIFY(!screen.listBox()->item(0)->pixmap(0).isNull());
    QVERIFY(screen.listBox()->item(1)->pixmap(0).isNull());
    QVERIFY(screen.listBox()->item(2)->pixmap(0).isNull());
}

void tst_HSSetting::frameworkMessages()
{
    const QByteArray switched = "<FlexForPlugin>-1</FlexForPlugin><FlexLibPath>librecordtwo_setting.so</FlexLibPath>"
                                "<FlexFile>switch.cfg</FlexFile><FlexGroup>G</FlexGroup><FlexItem>On</FlexItem>";
    writeCatalogue(plugin("Plain", "1", "librecordone_setting.so")
                   + plugin("Switched", "2", "librecordone_setting.so", "TXT_RID_TEST", QByteArray(), switched));
    SET_MainWidget screen;
    ZListBox *list = screen.listBox();
    QCOMPARE(titles(list), QStringList({ "Plain title", "Switched title" }));

    list->setCurrentItem(1);
    QCopChannel::send("VYN/HSFRAMEWORK", "analog");
    QTRY_COMPARE(list->item(1)->subItemText(1, 1), QStringLiteral("analog"));
    QCopChannel::send("VYN/HSFRAMEWORK", "digital");
    QTRY_COMPARE(list->item(1)->subItemText(1, 1), QStringLiteral("digital"));
    QCOMPARE(list->item(0)->subItemText(1, 1), QString());

    // A settings screen switched the entry: the list is filled again.
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/switch.cfg"), "[G]\nOn=true\n"));
    QCopChannel::send("VYN/HSFRAMEWORK", "activePlugIn()");
    QTRY_COMPARE(titles(list), QStringList({ "Plain title", "Record Two" }));
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/switch.cfg"), "[G]\nOn=false\n"));
    QCopChannel::send("VYN/HSFRAMEWORK", "somethingElse");
    QCopChannel::send("VYN/HSFRAMEWORK", "deactivePlugIn()");
    QTRY_COMPARE(titles(list), QStringList({ "Plain title", "Switched title" }));
}

void tst_HSSetting::emptyCatalogue()
{
    QVERIFY(QFile::remove(m_device->hostPath(QString::fromLatin1(systemCatalogue))));
    SET_MainWidget screen;
    screen.QWidget::show();
    QCOMPARE(screen.listBox()->count(), 0);
    QPointer<SET_MainWidget> guard(&screen);
    QTest::keyClick(&screen, Qt::Key_F2);
    QVERIFY(!screen.isVisible());
}

void tst_HSSetting::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("shown");
    QTest::newRow("-p with a present name") << QStringList { "-p", "Two" } << 255 << "show 1 Record Two";
    QTest::newRow("-P with a present name") << QStringList { "-P", "Two" } << 255 << "show 1 Record Two";
    QTest::newRow("-p with a missing name") << QStringList { "-p", "Nobody" } << 255 << "";
    QTest::newRow("-p without a name") << QStringList { "-p" } << 255 << "";
    QTest::newRow("another argument") << QStringList { "Two" } << 255 << "";
    QTest::newRow("the list") << QStringList() << 0 << "";
}

void tst_HSSetting::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, shown);
    writeCatalogue(plugin("One", "1", "librecordone_setting.so") + plugin("Two", "2", "librecordtwo_setting.so"));
    const QString prefix = m_device->root() + QStringLiteral("/shot");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_HEADLESS_OUTPUT"), prefix);
    environment.insert(QStringLiteral("VYN_HEADLESS_DELAY"), QStringLiteral("50"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VYN_TEST_BIN_DIR "/hssetting_app"), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    const QStringList lines = log();
    if (!shown.isEmpty()) {
        QVERIFY2(lines.contains(shown), qPrintable(lines.join(QLatin1Char('|'))));
        // The program deletes its descriptors before the libraries go.
        QCOMPARE(lines.last(), QStringLiteral("unloaded Record Two"));
    } else {
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QLatin1String("show")));
    }
    if (arguments.isEmpty()) {
        QFile dump(prefix + QStringLiteral(".txt"));
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QByteArray text = dump.readAll();
        QVERIFY2(text.contains("Homescreen Setting") && text.contains("One title") && text.contains("Two title"),
                 text.constData());
    }
}

QTEST_MAIN(tst_HSSetting)
#include "tst_hssetting.moc"
