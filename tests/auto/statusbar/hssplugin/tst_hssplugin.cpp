#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <vynphone.h>
#include <zheader.h>
#include <zsystemclock.h>

#include "fakepluginsite.h"
#include "testdevice.h"

#include <QWidget>
#include <QtTest>

#include <memory>

class tst_HSSPlugin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void initializeTwice();
    void nullSite();
    void containerGoesFirst();
    void followsPhoneAndClock();

private:
    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HSPluginLibrary> m_library;
};

void tst_HSSPlugin::init()
{
    m_device = std::make_unique<TestDevice>();
    m_library = std::make_unique<HSPluginLibrary>(QStringLiteral(VYN_TEST_LIB_DIR "/libstatusbar_plugin.so"));
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
}

void tst_HSSPlugin::cleanup()
{
    m_library.reset();
    m_device.reset();
}

void tst_HSSPlugin::geometry_data()
{
    const QSize header = ZHeader::headerSize(ZHeader::Standard);
    const QRect fits(QPoint(0, 0), header);
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("exact") << fits << fits;
    QTest::newRow("the whole screen") << FakePluginSite::offeredArea() << fits;
    QTest::newRow("one pixel narrower") << fits.adjusted(0, 0, -1, 0) << hsInvalidRect();
    QTest::newRow("one pixel lower") << fits.translated(0, 1) << hsInvalidRect();
    QTest::newRow("empty") << QRect() << hsInvalidRect();
}

void tst_HSSPlugin::geometry()
{
    QFETCH(QRect, area);
    QFETCH(QRect, rect);
    HSPlugin *plugin = m_library->createInstance(nullptr);
    QCOMPARE(plugin->geometry(area), rect);
    QCOMPARE(plugin->name(), QStringLiteral("abc"));
    int phase = 0;
    QCOMPARE(plugin->keyEvent(phase, HSKeyUp), 1);
    m_library->destroyInstance(plugin);
}

void tst_HSSPlugin::initializeTwice()
{
    FakePluginSite site(QStringLiteral("StatusBar"));
    QWidget *container = site.containerWidget();
    container->setGeometry(QRect(QPoint(0, 0), ZHeader::headerSize(ZHeader::Standard)));
    site.screen()->show();
    HSPlugin *plugin = m_library->createInstance(&site);
    QCOMPARE(container->findChildren<ZHeader *>().size(), 0);
    plugin->initialize();
    plugin->initialize();
    const QList<ZHeader *> headers = container->findChildren<ZHeader *>();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->objectName(), QStringLiteral("header"));
    QCOMPARE(headers.first()->size(), container->size());
    QVERIFY(headers.first()->isVisible());
    QCOMPARE(plugin->focusPoint(), QPoint(0, 0));
    m_library->destroyInstance(plugin);
    QCOMPARE(container->findChildren<ZHeader *>().size(), 0);
}

void tst_HSSPlugin::nullSite()
{
    HSPlugin *plugin = m_library->createInstance(nullptr);
    plugin->initialize();
    plugin->activate();
    QCOMPARE(plugin->geometry(QRect(0, 0, 320, 240)), QRect(QPoint(0, 0), ZHeader::headerSize(ZHeader::Standard)));
    m_library->destroyInstance(plugin);
}

void tst_HSSPlugin::containerGoesFirst()
{
    auto site = std::make_unique<FakePluginSite>(QStringLiteral("StatusBar"));
    HSPlugin *plugin = m_library->createInstance(site.get());
    plugin->initialize();
    QCOMPARE(site->containerWidget()->findChildren<ZHeader *>().size(), 1);
    // The host's screen and the container with the header in it go before the plugin.
    site.reset();
    m_library->destroyInstance(plugin);
}

void tst_HSSPlugin::followsPhoneAndClock()
{
    QVERIFY(ZSystemClock::writeDeviceClock(QStringLiteral("2024-03-11T13:10:20")));
    FakePluginSite site(QStringLiteral("StatusBar"));
    site.containerWidget()->setGeometry(QRect(QPoint(0, 0), ZHeader::headerSize(ZHeader::Standard)));
    site.screen()->show();
    HSPlugin *plugin = m_library->createInstance(&site);
    plugin->initialize();
    ZHeader *header = site.containerWidget()->findChild<ZHeader *>();
    QVERIFY(header);
    QCOMPARE(header->timeText(), QStringLiteral("13:10"));

    // The header changes with the notice, long before its next minute.
    QVERIFY(VynPhone::set(QStringLiteral("signal"), QStringLiteral("1")));
    QVERIFY(VynPhone::set(QStringLiteral("service"), QStringLiteral("Other Net")));
    QTRY_COMPARE(header->signalLevel(), 1);
    QTRY_COMPARE(header->operatorName(), QStringLiteral("Other Net"));
    QVERIFY(ZSystemClock::writeDeviceClock(QStringLiteral("2024-03-11T21:45:00")));
    QTRY_COMPARE(header->timeText(), QStringLiteral("21:45"));
    m_library->destroyInstance(plugin);
    ZSystemClock::writeDeviceClock(QString());
}

QTEST_MAIN(tst_HSSPlugin)
#include "tst_hssplugin.moc"
