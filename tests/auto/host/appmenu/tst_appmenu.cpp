// The idle screen's soft keys: "Menu" lists the installed applications with their icons and
// starts the chosen one; "Contacts" starts the contacts.
#include "testdevice.h"

#include <am_global.h>
#include <appmenu.h>
#include <homescreenhost.h>
#include <zlistbox.h>

#include <QDataStream>
#include <QSignalSpy>

namespace {

QString launchedId(const QList<QVariant> &signal)
{
    QDataStream stream(signal.at(1).toByteArray());
    QString id;
    stream >> id;
    return id;
}

} // namespace

class tst_AppMenu : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_device = std::make_unique<TestDevice>();
        qputenv("VYN_LAUNCH_DRY_RUN", "1");
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/homescreen/hsframework.cfg"), "[Plugins]\nList=\n"));
    }
    void cleanup()
    {
        qunsetenv("VYN_LAUNCH_DRY_RUN");
        m_device.reset();
    }
    void menuStartsTheChosenApplication();
    void contactsKey();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_AppMenu::menuStartsTheChosenApplication()
{
    HomeScreenHost host({ QString(), QString() });
    host.start();
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy launches(&launcher, &QCopChannel::received);

    QTest::keyClick(&host, Qt::Key_F1);
    AppMenu *menu = host.appMenu();
    QVERIFY(menu && menu->isVisible());
    ZListBox *list = menu->listBox();
    int row = -1;
    for (int i = 0; i < list->count(); ++i) {
        QVERIFY2(!list->item(i)->pixmap(0).isNull(), qPrintable(list->item(i)->subItemText(0, 0)));
        if (list->item(i)->subItemText(0, 0) == QLatin1String("Homescreen Setting"))
            row = i;
    }
    QVERIFY(row >= 0);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QTRY_COMPARE(launches.size(), 1);
    QCOMPARE(launchedId(launches.at(0)), QStringLiteral("b7c81f31-8189-4237-935e-704b3eaf3923"));

    // Back closes it without starting anything; it opens again on the current registry.
    QTest::keyClick(&host, Qt::Key_F1);
    QVERIFY(menu->isVisible());
    QCOMPARE(list->currentItem(), row);
    QTest::keyClick(list, Qt::Key_F2);
    QVERIFY(!menu->isVisible());
    QTest::qWait(50);
    QCOMPARE(launches.size(), 1);
}

void tst_AppMenu::contactsKey()
{
    HomeScreenHost host({ QString(), QString() });
    host.start();
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy launches(&launcher, &QCopChannel::received);
    QTest::keyClick(&host, Qt::Key_F2);
    QTRY_COMPARE(launches.size(), 1);
    QCOMPARE(launchedId(launches.at(0)), QString::fromLatin1(HomeScreenHost::ContactsAppId));
}

QTEST_MAIN(tst_AppMenu)
#include "tst_appmenu.moc"
