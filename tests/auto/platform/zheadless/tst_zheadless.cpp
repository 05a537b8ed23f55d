#include <testdevice.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zapplication.h>
#include <zheadless.h>
#include <zkbmainwidget.h>
#include <zresource.h>
#include <zsoftkey.h>

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

class tst_ZHeadless : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dump_data();
    void dump();
    void save();
    void saveFails();
    void settleDelay_data();
    void settleDelay();
    void nestedLoops();
    void exitLoopWithoutLoop();
    void language_data();
    void language();
    void languageFollowsTheNotice();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_ZHeadless::init()
{
    m_device = std::make_unique<TestDevice>();
}

void tst_ZHeadless::cleanup()
{
    m_device.reset();
}

void tst_ZHeadless::dump_data()
{
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<bool>("firstHidden");
    QTest::addColumn<QStringList>("expected");

    const QStringList rest = { QStringLiteral("grandchild"), QStringLiteral("object"), QStringLiteral("last") };
    QTest::newRow("text") << QVariant(QStringLiteral("one")) << false << (QStringList(QStringLiteral("one")) + rest);
    QTest::newRow("list") << QVariant(QStringList({ QStringLiteral("a"), QStringLiteral("b") })) << false
                          << (QStringList({ QStringLiteral("a"), QStringLiteral("b") }) + rest);
    QTest::newRow("lines in a text") << QVariant(QStringLiteral("a\nb")) << false
                                     << (QStringList({ QStringLiteral("a"), QStringLiteral("b") }) + rest);
    QTest::newRow("empty") << QVariant(QString()) << false << rest;
    QTest::newRow("none") << QVariant() << false << rest;
    // A hidden widget is not on the screen, nor is anything inside it.
    QTest::newRow("hidden") << QVariant(QStringLiteral("one")) << true << QStringList({ QStringLiteral("object"),
                                                                                        QStringLiteral("last") });
}

void tst_ZHeadless::dump()
{
    QFETCH(QVariant, first);
    QFETCH(bool, firstHidden);
    QFETCH(QStringList, expected);

    QWidget window;
    auto *firstWidget = new QWidget(&window);
    firstWidget->setProperty(ZHeadless::DumpProperty, first);
    firstWidget->setHidden(firstHidden);
    auto *grandchild = new QLabel(firstWidget);
    ZHeadless::setDumpText(grandchild, QStringLiteral("grandchild"));
    auto *object = new QObject(&window);
    ZHeadless::setDumpText(object, QStringLiteral("object"));
    auto *last = new QWidget(&window);
    ZHeadless::setDumpText(last, QStringLiteral("last"));

    QCOMPARE(ZHeadless::dump(&window), expected);
    QVERIFY(ZHeadless::dump(nullptr).isEmpty());
}

void tst_ZHeadless::save()
{
    QTemporaryDir out;
    const QString prefix = out.filePath(QStringLiteral("shots/screen"));
    ZKbMainWidget window;
    window.setAppTitle(QStringLiteral("Islamic Calendar"));
    window.getSoftKey(true)->setText(ZSoftKey::Right, QStringLiteral("Back"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(ZHeadless::save(&window, prefix));
    const QImage shot(prefix + QStringLiteral(".png"));
    QCOMPARE(shot.width(), 320);
    QCOMPARE(shot.height(), window.height());
    QFile text(prefix + QStringLiteral(".txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.readAll(), QByteArray("Islamic Calendar\n[] ... [Back]\n"));
}

void tst_ZHeadless::saveFails()
{
    QTemporaryDir out;
    // A prefix below a plain file cannot be written.
    QFile blocker(out.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QWidget window;
    window.resize(320, 100);
    QVERIFY(!ZHeadless::save(&window, out.filePath(QStringLiteral("file/screen"))));
    QVERIFY(!ZHeadless::save(nullptr, out.filePath(QStringLiteral("screen"))));
    QVERIFY(!ZHeadless::save(&window, QString()));
}

void tst_ZHeadless::settleDelay_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("delay");

    QTest::newRow("unset") << QByteArray() << 300;
    QTest::newRow("set") << QByteArray("50") << 50;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray("-1") << 300;
    QTest::newRow("garbage") << QByteArray("soon") << 300;
    QTest::newRow("capped") << QByteArray("99999999") << 60000;
}

void tst_ZHeadless::settleDelay()
{
    QFETCH(QByteArray, value);
    QFETCH(int, delay);

    if (value.isNull())
        qunsetenv("VYN_HEADLESS_DELAY");
    else
        qputenv("VYN_HEADLESS_DELAY", value);
    QCOMPARE(ZHeadless::settleDelay(), delay);
    qunsetenv("VYN_HEADLESS_DELAY");
}

void tst_ZHeadless::nestedLoops()
{
    QCOMPARE(ZApplication::loopLevel(), 0);
    int innerResult = -1;
    int levelInside = -1;
    QTimer::singleShot(0, this, [&] {
        levelInside = ZApplication::loopLevel();
        QTimer::singleShot(0, this, [] { ZApplication::exit_loop(2); });
        innerResult = ZApplication::enter_loop();
        // Ending the inner loop leaves the outer one running.
        QTimer::singleShot(0, this, [] { ZApplication::exit_loop(5); });
    });
    QCOMPARE(ZApplication::enter_loop(), 5);
    QCOMPARE(innerResult, 2);
    QCOMPARE(levelInside, 1);
    QCOMPARE(ZApplication::loopLevel(), 0);
}

void tst_ZHeadless::exitLoopWithoutLoop()
{
    ZApplication::exit_loop(1);
    QCOMPARE(ZApplication::loopLevel(), 0);
}

void tst_ZHeadless::language_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("default") << QByteArray() << "en-us" << false;
    QTest::newRow("arabic") << QByteArray("ar") << "ar" << true;
    QTest::newRow("persian with region") << QByteArray("fa-IR") << "fa-ir" << true;
    QTest::newRow("hebrew") << QByteArray("he") << "he" << true;
    QTest::newRow("urdu") << QByteArray("ur-pk") << "ur-pk" << true;
    QTest::newRow("french") << QByteArray("fr-fr") << "fr-fr" << false;
    QTest::newRow("not arabic") << QByteArray("arn") << "arn" << false;
    QTest::newRow("blank") << QByteArray(" ") << "en-us" << false;
}

void tst_ZHeadless::language()
{
    QFETCH(QByteArray, setting);
    QFETCH(QString, code);
    QFETCH(bool, rightToLeft);

    if (!setting.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"),
                                    "[SYS_SYSTEM_SET]\nLanguageType=" + setting + '\n'));
    auto *app = qobject_cast<ZApplication *>(qApp);
    QVERIFY(app);
    app->applyLanguage();
    QCOMPARE(ZApplication::languageCode(), code);
    QCOMPARE(QApplication::layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

void tst_ZHeadless::languageFollowsTheNotice()
{
    // What `vyn-ctl language ar` does: the setting, then the notice to every program.
    QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"), "[SYS_SYSTEM_SET]\nLanguageType=ar\n"));
    ZKbMainWidget screen;
    QVERIFY(QCopChannel::send(VynChannel::System, VynMessage::LanguageChanged));
    QTRY_COMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
    QCOMPARE(screen.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(ZResource::languageCode(), QStringLiteral("ar"));
    QCOMPARE(QLocale().language(), QLocale::Arabic);
    // The texts of the image's compiled translations.
    QCOMPARE(ZResource::text("Azaan_Prayer_Time", "TXT_RID_HEADER_PRAYER_TIMES", "Prayer Times"),
             QString::fromUtf8("مواقيت الصلاة"));

    QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"), "[SYS_SYSTEM_SET]\nLanguageType=en-us\n"));
    QVERIFY(QCopChannel::send(VynChannel::System, VynMessage::LanguageChanged));
    QTRY_COMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(ZResource::text("Azaan_Prayer_Time", "TXT_RID_HEADER_PRAYER_TIMES", "Prayer Times"),
             QStringLiteral("Prayer Times"));
    QCOMPARE(QLocale().language(), QLocale::English);
}

int main(int argc, char **argv)
{
    ZApplication app(argc, argv);
    tst_ZHeadless test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zheadless.moc"
