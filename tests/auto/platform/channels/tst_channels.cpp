#include <qcopchannel.h>
#include <vynchannels.h>
#include <zmsg.h>

#include "testdevice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QDBusConnectionInterface>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

// Channel messages within a process and between processes over the session bus.
class tst_Channels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ownProcessListenersHearTheMessage();
    void onlyListenersOfTheChannelHear();
    void listenerDeletedWhileDelivering();
    void reachesAnotherProcess();
    void arrivesFromAnotherProcess();
    void garbledBusSignalsAreIgnored();
    void withoutBusMessagesStayLocal();
    void keepsListeningAfterAFlood();

private:
    QString ctl() const { return QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"); }
    TestDevice m_device { false };
};

void tst_Channels::initTestCase()
{
    QVERIFY2(QCopChannel::isConnectedToBus(), "tests run on a session bus (dbus-run-session)");
}

void tst_Channels::ownProcessListenersHearTheMessage()
{
    QCopChannel first(VynChannel::HomeScreenFramework);
    QCopChannel second(VynChannel::HomeScreenFramework);
    QSignalSpy firstSpy(&first, &QCopChannel::received);
    QSignalSpy secondSpy(&second, &QCopChannel::received);

    ZMsg message(VynChannel::HomeScreenFramework, VynMessage::ActivatePlugin, false);
    message << QStringLiteral("Azaan");
    QVERIFY(message.send());
    QTRY_COMPARE(firstSpy.count(), 1);
    QCOMPARE(secondSpy.count(), 1);
    QCOMPARE(firstSpy.at(0).at(0).toByteArray(), QByteArray(VynMessage::ActivatePlugin));
    QDataStream stream(firstSpy.at(0).at(1).toByteArray());
    QString name;
    stream >> name;
    QCOMPARE(name, QStringLiteral("Azaan"));
}

void tst_Channels::onlyListenersOfTheChannelHear()
{
    QCopChannel other(VynChannel::System);
    QCopChannel marker(VynChannel::SystemSetupBroadcast);
    QSignalSpy otherSpy(&other, &QCopChannel::received);
    QSignalSpy markerSpy(&marker, &QCopChannel::received);
    QCopChannel::send(VynChannel::SystemSetupBroadcast, VynMessage::AzaanSettingsChanged);
    QTRY_COMPARE(markerSpy.count(), 1);
    QCOMPARE(otherSpy.count(), 0);
}

void tst_Channels::listenerDeletedWhileDelivering()
{
    auto *first = new QCopChannel("Test/Delete");
    auto *second = new QCopChannel("Test/Delete");
    int heard = 0;
    connect(first, &QCopChannel::received, this, [&] { ++heard; delete second; second = nullptr; });
    connect(second, &QCopChannel::received, this, [&] { ++heard; });
    QCopChannel::send("Test/Delete", "ping");
    QTRY_COMPARE(heard, 1);
    QCoreApplication::processEvents();
    QCOMPARE(heard, 1);
    delete first;
}

void tst_Channels::reachesAnotherProcess()
{
    QProcess listener;
    listener.start(ctl(), { "listen", "/systemsetup/broadcast", "--count", "2", "--timeout", "20000" });
    QVERIFY(listener.waitForReadyRead(10000));
    QCOMPARE(listener.readLine().trimmed(), QByteArray("listening"));

    // The listener's output spells the names as they travel.
    QCopChannel::send(VynChannel::SystemSetupBroadcast, VynMessage::AzaanSettingsChanged);
    ZMsg withPayload(VynChannel::SystemSetupBroadcast, "named", false);
    withPayload << QStringLiteral("Clock");
    withPayload.send();
    QVERIFY(listener.waitForFinished(20000));
    const QList<QByteArray> lines = listener.readAll().chopped(1).split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QByteArray("/systemsetup/broadcast\tazaansettingschange\t"));
    QCOMPARE(lines.at(1), QByteArray("/systemsetup/broadcast\tnamed\tClock"));
}

void tst_Channels::arrivesFromAnotherProcess()
{
    QCopChannel channel(VynChannel::HomeScreenFramework);
    QSignalSpy spy(&channel, &QCopChannel::received);
    QCOMPARE(QProcess::execute(ctl(), { "send", VynChannel::HomeScreenFramework, VynMessage::DeactivatePlugin, "Date" }),
             0);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray(VynMessage::DeactivatePlugin));
    QDataStream stream(spy.at(0).at(1).toByteArray());
    QString name;
    stream >> name;
    QCOMPARE(name, QStringLiteral("Date"));
}

void tst_Channels::garbledBusSignalsAreIgnored()
{
    QCopChannel channel(VynChannel::System);
    QSignalSpy spy(&channel, &QCopChannel::received);
    // Wrong argument types and counts from a foreign sender on our interface.
    QDBusMessage wrongTypes = QDBusMessage::createSignal("/vyn/channel", "org.vyn.Channel", "message");
    wrongTypes << 42 << QStringLiteral("TimeInfoChanged") << QByteArray();
    QDBusMessage tooFew = QDBusMessage::createSignal("/vyn/channel", "org.vyn.Channel", "message");
    tooFew << QStringLiteral("VYN/System");
    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "garbler");
    QVERIFY(other.send(wrongTypes));
    QVERIFY(other.send(tooFew));
    // A well-formed message sent after them arrives alone.
    QDBusMessage good = QDBusMessage::createSignal("/vyn/channel", "org.vyn.Channel", "message");
    good << QStringLiteral("VYN/System") << QStringLiteral("TimeInfoChanged") << QByteArray("\x01", 1);
    QVERIFY(other.send(good));
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("TimeInfoChanged"));
    // A short payload reads as defaults.
    QDataStream stream(spy.at(0).at(1).toByteArray());
    QString text = QStringLiteral("unchanged");
    stream >> text;
    QVERIFY(stream.status() != QDataStream::Ok);
    QDBusConnection::disconnectFromBus("garbler");
}

void tst_Channels::withoutBusMessagesStayLocal()
{
    QProcess sender;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    sender.setProcessEnvironment(env);
    sender.start(ctl(), { "send", "VYN/System", "TimeInfoChanged" });
    QVERIFY(sender.waitForFinished(20000));
    QCOMPARE(sender.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sender.exitCode(), 0);
    const QByteArray log = sender.readAllStandardError();
    QCOMPARE(log.count("no session bus"), 1);
}

void tst_Channels::keepsListeningAfterAFlood()
{
    QCopChannel channel("Test/Flood");
    int heard = 0;
    QByteArray last;
    connect(&channel, &QCopChannel::received, this, [&](const QCString &message) {
        ++heard;
        last = message;
    });
    // Another program sends far more than the bus library lets a connection hold while this
    // thread is busy; then one ordinary message, which must still arrive.
    auto send = [](const QString &connection, const QString &message, const QByteArray &payload, int count) {
        QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connection);
        for (int i = 0; i < count; ++i) {
            QDBusMessage signal = QDBusMessage::createSignal("/vyn/channel", "org.vyn.Channel", "message");
            signal << QStringLiteral("Test/Flood") << message << payload;
            other.send(signal);
        }
        // Answered in order: everything sent has reached the bus.
        other.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus"));
    };
    std::unique_ptr<QThread> flood(QThread::create(send, QStringLiteral("flooder"), QStringLiteral("big"),
                                                   QByteArray(1000 * 1000, 'x'), 100));
    flood->start();
    QVERIFY(flood->wait(120000));
    QDBusConnection::disconnectFromBus(QStringLiteral("flooder"));
    send(QStringLiteral("latecomer"), QStringLiteral("last"), QByteArray(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("latecomer"));
    QTRY_COMPARE_WITH_TIMEOUT(last, QByteArray("last"), 30000);
    QVERIFY2(heard < 100, "a flood is cut short, oldest first");
}

QTEST_GUILESS_MAIN(tst_Channels)
#include "tst_channels.moc"
