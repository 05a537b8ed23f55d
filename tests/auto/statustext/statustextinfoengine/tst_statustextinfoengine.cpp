#include <hs_idle_frame.h>
#include <phone_asyncmsgreceiver.h>
#include <qcopchannel.h>
#include <statustextinfoengine.h>
#include <tapi_client.h>
#include <tapi_types.h>
#include <vynchannels.h>
#include <vynphone.h>
#include <zresource.h>

#include "testdevice.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Waits until every listener of this process has had the messages sent so far: this process's
// own messages reach its listeners in the order they were sent, whatever the channel.
bool flushChannel(const QCString &)
{
    QCopChannel listener("vyn-test/flush");
    QSignalSpy spy(&listener, &QCopChannel::received);
    QCopChannel::send("vyn-test/flush", "flush");
    return spy.wait(5000);
}

bool setPhone(const QString &field, const QString &value)
{
    QString error;
    if (!VynPhone::set(field, value, &error)) {
        qWarning() << error;
        return false;
    }
    return flushChannel(VynPhone::channelName());
}

bool send(const QCString &channel, const QCString &message, const QByteArray &payload = QByteArray())
{
    return QCopChannel::send(channel, message, payload) && flushChannel(channel);
}

// A payload written the way senders write theirs.
template<typename... Values>
QByteArray payload(const Values &...values)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    (stream << ... << values);
    return data;
}

QByteArray stkPayload(const QString &text)
{
    return payload(qint32(1), text);
}

// Steps of a scenario: "phone FIELD VALUE", "cb TEXT", "stk TEXT", "sync begin|end", "cost TEXT".
bool run(const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString verb = step.section(QLatin1Char(' '), 0, 0);
        const QString rest = step.section(QLatin1Char(' '), 1);
        bool ok = false;
        if (verb == QLatin1String("phone"))
            ok = setPhone(rest.section(QLatin1Char(' '), 0, 0), rest.section(QLatin1Char(' '), 1));
        else if (verb == QLatin1String("cb"))
            ok = send(VynChannel::StatusText, VynMessage::CellBroadcast, payload(rest));
        else if (verb == QLatin1String("stk"))
            ok = send(VynChannel::StatusText, VynMessage::StkIdleText, stkPayload(rest));
        else if (verb == QLatin1String("sync"))
            ok = send(VynChannel::HomeScreenSyncing,
                      rest == QLatin1String("begin") ? VynMessage::BeginSyncing : VynMessage::EndSyncing);
        else if (verb == QLatin1String("cost"))
            ok = VynPhone::sendTapiEvent(UTIL_TAPI_EVENT_CALL_COST, rest.toLatin1())
                    && flushChannel(VynPhone::channelName());
        if (!ok) {
            qWarning() << "step failed:" << step;
            return false;
        }
    }
    return true;
}

} // namespace

// The engine driven as on the phone: the simulated phone's state file and announcements, the
// telephony event source and the idle channels.
class tst_StatusTextInfoEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void languageChange();
    void lineOne_data();
    void lineOne();
    void damagedPhoneFile_data();
    void damagedPhoneFile();
    void lineTwo_data();
    void lineTwo();
    void stkIdleText_data();
    void stkIdleText();
    void callCost_data();
    void callCost();
    void refreshMessages_data();
    void refreshMessages();
    void operatorLogo_data();
    void operatorLogo();

private:
    void startEngine();

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<TAPI_Client> m_tapi;
    std::unique_ptr<StatusTextInfoEngine> m_engine;
};

void tst_StatusTextInfoEngine::init()
{
    m_device = std::make_unique<TestDevice>();
    // The receiver lives for the process: let it see this device's phone before the test.
    PHONE_AsyncMsgReceiver::instance()->refresh();
    m_tapi = std::make_unique<TAPI_Client>();
    HS_IDLE_Frame::pTapi = m_tapi.get();
}

void tst_StatusTextInfoEngine::cleanup()
{
    m_engine.reset();
    HS_IDLE_Frame::pTapi = nullptr;
    m_tapi.reset();
    m_device.reset();
}

void tst_StatusTextInfoEngine::startEngine()
{
    m_engine = std::make_unique<StatusTextInfoEngine>();
}

void tst_StatusTextInfoEngine::lineOne_data()
{
    QTest::addColumn<QByteArray>("switches");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    const QString marked = QString::fromLatin1(StatusTextInfoEngine::NetworkNameMarker);
    QTest::newRow("registered, defaults") << QByteArray() << QStringList() << marked + "Vyn Mobile";
    QTest::newRow("registered, another network")
            << QByteArray() << QStringList { "phone service Sky Net" } << marked + "Sky Net";
    QTest::newRow("registered, provider-name display off")
            << QByteArray() << QStringList { "phone spn Vyn SIM", "phone spn-display 0" } << "Vyn SIM";
    QTest::newRow("registered, ShowNetwork 0") << QByteArray("ShowNetwork=0\n") << QStringList { "phone signal 3" }
                                               << "";
    QTest::newRow("airplane") << QByteArray() << QStringList { "phone airplane on" } << "Airplane Mode";
    QTest::newRow("airplane, ShowAirMode 0, registered")
            << QByteArray("ShowAirMode=0\n") << QStringList { "phone airplane on", "phone network 3" } << "";
    QTest::newRow("airplane before radio off")
            << QByteArray() << QStringList { "phone radio 1", "phone airplane on" } << "Airplane Mode";
    QTest::newRow("radio off") << QByteArray() << QStringList { "phone radio 1" } << "No Service";
    QTest::newRow("radio off, ShowNoService 0") << QByteArray("ShowNoService=0\n") << QStringList { "phone radio 1" }
                                                << "";
    QTest::newRow("searching") << QByteArray() << QStringList { "phone network 1" } << "Searching...";
    QTest::newRow("searching, ShowSearch 0") << QByteArray("ShowSearch=0\n") << QStringList { "phone network 1" }
                                             << "";
    QTest::newRow("registering") << QByteArray() << QStringList { "phone network 2" } << "Registering...";
    QTest::newRow("registering, ShowRegister 0")
            << QByteArray("ShowRegister=0\n") << QStringList { "phone network 2" } << "";
    QTest::newRow("no service") << QByteArray() << QStringList { "phone network 4" } << "No Service";
    QTest::newRow("status 5") << QByteArray() << QStringList { "phone network 5" } << "";
    QTest::newRow("emergency only") << QByteArray() << QStringList { "phone network 6" } << "Emergency Only";
    QTest::newRow("emergency, ShowEmergency 0")
            << QByteArray("ShowEmergency=0\n") << QStringList { "phone network 6" } << "";
    QTest::newRow("unregistered SIM") << QByteArray() << QStringList { "phone network 7" } << "Unregistered SIM";
    QTest::newRow("unregistered, ShowUnRegister 0")
            << QByteArray("ShowUnRegister=0\n") << QStringList { "phone network 7" } << "";
    QTest::newRow("unknown status") << QByteArray() << QStringList { "phone network 42" } << "";
    QTest::newRow("back to registered")
            << QByteArray() << QStringList { "phone network 1", "phone network 3" } << marked + "Vyn Mobile";
    QTest::newRow("garbled switch reads as on")
            << QByteArray("ShowSearch=maybe\n") << QStringList { "phone network 1" } << "Searching...";
    // The name buffer holds 60 bytes and a zero: longer names are cut, never a character in half.
    QTest::newRow("long ASCII name") << QByteArray() << QStringList { "phone service " + QString(70, 'N') }
                                     << marked + QString(60, 'N');
    QTest::newRow("long two-byte name") << QByteArray() << QStringList { "phone service a" + QString(40, QChar(0xc4)) }
                                        << marked + "a" + QString(29, QChar(0xc4));
}

void tst_StatusTextInfoEngine::lineOne()
{
    QFETCH(QByteArray, switches);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    QVERIFY(m_device->writeFile("/setup/vyn_idle.cfg", "[StatusLineOne]\n" + switches));
    startEngine();
    QSignalSpy lineOneChanged(m_engine.get(), &StatusTextInfoEngine::sigLineOneTextChanged);
    QVERIFY(run(steps));
    QCOMPARE(m_engine->lineOne(), expected);
    if (!steps.isEmpty() && !steps.first().startsWith(QLatin1String("phone signal")))
        QVERIFY(!lineOneChanged.isEmpty());
}

void tst_StatusTextInfoEngine::languageChange()
{
    startEngine();
    QVERIFY(run({ "phone airplane on", "phone battery low" }));
    QCOMPARE(m_engine->lineOne(), QStringLiteral("Airplane Mode"));
    QSignalSpy lineOneChanged(m_engine.get(), &StatusTextInfoEngine::sigLineOneTextChanged);
    QSignalSpy lineTwoChanged(m_engine.get(), &StatusTextInfoEngine::sigLineTwoTextChanged);
    QVERIFY(ZResource::loadLanguage(QStringLiteral("ar")));
    m_engine->slotLanguageChanged();
    QCOMPARE(m_engine->lineOne(), QString::fromUtf8("وضع الطيران"));
    QCOMPARE(m_engine->lineTwo(), QString::fromUtf8("البطارية ضعيفة"));
    QCOMPARE(lineOneChanged.size(), 1);
    QCOMPARE(lineTwoChanged.size(), 1);
    ZResource::loadLanguage(QString());
}

void tst_StatusTextInfoEngine::damagedPhoneFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expectedLineOne");

    const QString registered = QString::fromLatin1(StatusTextInfoEngine::NetworkNameMarker) + "Vyn Mobile";
    QTest::newRow("empty") << QByteArray() << registered;
    QTest::newRow("binary") << QByteArray("\x00\xff\x01[\x80\n=\x00", 9) << registered;
    QTest::newRow("truncated") << QByteArray("[Network]\nStatus=") << registered;
    QTest::newRow("unknown values") << QByteArray("[Network]\nStatus=abc\nRFMode=off\n[Phone]\nAirplaneMode=x\n")
                                    << registered;
    QTest::newRow("status as text of a number") << QByteArray("[Network]\nStatus= 1 \n") << "Searching...";
}

void tst_StatusTextInfoEngine::damagedPhoneFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expectedLineOne);

    startEngine();
    QVERIFY(m_device->writeFile(VynPhone::stateFile(), content));
    QVERIFY(VynPhone::announce() && flushChannel(VynPhone::channelName()));
    // A refresh asks every query the file answers.
    QVERIFY(send(VynChannel::PhoneToIdle, VynMessage::ShowIdleScreen));
    QCOMPARE(m_engine->lineOne(), expectedLineOne);
    QCOMPARE(m_engine->lineTwo(), QString());
}

void tst_StatusTextInfoEngine::lineTwo_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing to say") << QStringList() << "";
    QTest::newRow("low battery over cell broadcast") << QStringList { "cb News", "phone battery low" }
                                                     << "Low Battery";
    QTest::newRow("invalid battery over low battery")
            << QStringList { "phone battery low", "phone battery invalid" } << "Invalid Battery";
    QTest::newRow("low battery over home zone") << QStringList { "phone homezone Home", "phone battery low" }
                                                << "Low Battery";
    QTest::newRow("home zone over toolkit text over cell broadcast")
            << QStringList { "cb News", "stk Menu", "phone homezone Home" } << "Home";
    QTest::newRow("toolkit text over cell broadcast") << QStringList { "cb News", "stk Menu" } << "Menu";
    QTest::newRow("cell broadcast over syncing") << QStringList { "sync begin", "cb News" } << "News";
    QTest::newRow("cell broadcast emptied") << QStringList { "cb News", "cb " } << "";
    QTest::newRow("syncing") << QStringList { "sync begin" } << "Synchronizing";
    QTest::newRow("syncing ended") << QStringList { "sync begin", "sync end" } << "";
    QTest::newRow("syncing over Wi-Fi")
            << QStringList { "phone wifi-profile Office", "phone wifi on", "sync begin" } << "Synchronizing";
    QTest::newRow("Wi-Fi profile") << QStringList { "phone wifi-profile Office", "phone wifi on" } << "Office";
    QTest::newRow("Wi-Fi not camped") << QStringList { "phone wifi-profile Office" } << "";
    QTest::newRow("Wi-Fi hidden at network status 4")
            << QStringList { "phone wifi-profile Office", "phone wifi on", "phone barring on", "phone network 4" }
            << "Call Barring";
    QTest::newRow("Wi-Fi over call cost") << QStringList { "cost 1.20", "phone wifi-profile Office", "phone wifi on" }
                                          << "Office";
    QTest::newRow("call cost over call barring") << QStringList { "phone barring on", "cost 1.20" } << "1.20 Units";
    QTest::newRow("call barring") << QStringList { "phone barring on" } << "Call Barring";
    QTest::newRow("auto-answer with a headset")
            << QStringList { "phone autoanswer on", "phone port 8" } << "AutoAnswer On";
    QTest::newRow("auto-answer, silent alert")
            << QStringList { "phone autoanswer on", "phone port 8", "phone alert-style 4" } << "";
    QTest::newRow("auto-answer, no accessory") << QStringList { "phone autoanswer on" } << "";
    QTest::newRow("auto-answer, unknown port") << QStringList { "phone autoanswer on", "phone port 3" } << "";
    QTest::newRow("auto-answer off") << QStringList { "phone port 16" } << "";
    QTest::newRow("SIM provider name") << QStringList { "phone spn Vyn SIM" } << "Vyn SIM";
    QTest::newRow("SIM provider name, display 2") << QStringList { "phone spn Vyn SIM", "phone spn-display 2" } << "";
    QTest::newRow("provider name over charging") << QStringList { "phone charger charging", "phone spn Vyn SIM" }
                                                 << "Vyn SIM";
    QTest::newRow("charging") << QStringList { "phone charger charging" } << "Charging";
    QTest::newRow("charge complete") << QStringList { "phone charger complete" } << "Charge Complete";
    QTest::newRow("unable to charge") << QStringList { "phone charger unable" } << "Unable to Charge";
    QTest::newRow("charger unplugged") << QStringList { "phone charger charging", "phone charger off" } << "";
    QTest::newRow("invalid battery while charging")
            << QStringList { "phone charger charging", "phone battery invalid" } << "Invalid Battery";
}

void tst_StatusTextInfoEngine::lineTwo()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    startEngine();
    QSignalSpy lineTwoChanged(m_engine.get(), &StatusTextInfoEngine::sigLineTwoTextChanged);
    QVERIFY(run(steps));
    QCOMPARE(m_engine->lineTwo(), expected);
    QCOMPARE(lineTwoChanged.isEmpty(), steps.isEmpty());
}

void tst_StatusTextInfoEngine::stkIdleText_data()
{
    QTest::addColumn<bool>("iconFlag");
    QTest::addColumn<QByteArray>("channel");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expectedLineTwo");
    QTest::addColumn<bool>("expectedIconShown");

    const QByteArray idle(VynChannel::StatusText);
    const QByteArray phone(VynChannel::PhoneToIdle);
    const QString text = QStringLiteral("New");
    QTest::newRow("n = 0 clears") << false << idle << payload(qint32(0)) << "" << false;
    QTest::newRow("text, no icon byte") << false << idle << payload(qint32(1), text) << "New" << false;
    QTest::newRow("text on the phone channel") << false << phone << payload(qint32(1), text) << "New" << false;
    QTest::newRow("flag 482, no icon") << true << idle << payload(qint32(1), text, quint8(0)) << "New" << false;
    QTest::newRow("flag 482, icon, qualifier 1")
            << true << idle << payload(qint32(1), text, quint8(1), qint32(1)) << "New" << true;
    // The icon stands for the text: line two keeps what it had.
    QTest::newRow("flag 482, icon, qualifier 0")
            << true << idle << payload(qint32(1), text, quint8(1), qint32(0)) << "Old" << true;
    QTest::newRow("flag 482, sender without the icon byte")
            << true << idle << payload(qint32(1), text) << "New" << false;
    QTest::newRow("flag 482, qualifier cut off") << true << idle << payload(qint32(1), text, quint8(1)) << "Old"
                                                 << true;
    QTest::newRow("no flag, sender with an icon")
            << false << idle << payload(qint32(1), text, quint8(1), qint32(1)) << "New" << false;
    QTest::newRow("empty payload") << true << idle << QByteArray() << "Old" << false;
    QTest::newRow("count cut short") << true << idle << QByteArray("\0\0", 2) << "Old" << false;
    QTest::newRow("text cut short") << true << idle << payload(qint32(1), text).left(9) << "Old" << false;
    QTest::newRow("huge text length") << true << idle << payload(qint32(1), quint32(0x7ffffff0)) << "Old" << false;
    QTest::newRow("odd text length") << false << idle << payload(qint32(1), quint32(3), quint8('a'), quint16(0))
                                     << "Old" << false;
    QTest::newRow("garbage") << true << idle << QByteArray("\x7f\xff\xff\xff\xfe\xfe\xfe\xfe\x01", 9) << "Old"
                             << false;
}

void tst_StatusTextInfoEngine::stkIdleText()
{
    QFETCH(bool, iconFlag);
    QFETCH(QByteArray, channel);
    QFETCH(QByteArray, data);
    QFETCH(QString, expectedLineTwo);
    QFETCH(bool, expectedIconShown);

    QVERIFY(m_device->writeFile("/usr/SYSqtapp/flexbit.cfg", iconFlag ? "[FlexBit]\n482=1\n" : "[FlexBit]\n482=0\n"));
    startEngine();
    QVERIFY(run({ "stk Old" }));
    QCOMPARE(m_engine->lineTwo(), QStringLiteral("Old"));
    QSignalSpy iconShown(m_engine.get(), &StatusTextInfoEngine::sigShowStkIdleIcon);
    QVERIFY(send(channel, VynMessage::StkIdleText, data));
    QCOMPARE(m_engine->lineTwo(), expectedLineTwo);
    QCOMPARE(m_engine->stkIconShown(), expectedIconShown);
    QCOMPARE(iconShown.count(), expectedIconShown ? 1 : 0);

    // The next refresh of line two takes the icon away again.
    QVERIFY(send(VynChannel::StatusText, VynMessage::KeypadLock));
    QVERIFY(!m_engine->stkIconShown());
}

void tst_StatusTextInfoEngine::callCost_data()
{
    QTest::addColumn<QStringList>("phone");
    QTest::addColumn<unsigned int>("type");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("expected");

    const unsigned int cost = UTIL_TAPI_EVENT_CALL_COST;
    QTest::newRow("units") << QStringList() << cost << QByteArray("12.5") << "12.5 Units";
    QTest::newRow("currency") << QStringList { "charge-type 1", "price-unit AED" } << cost << QByteArray("3.20")
                              << "3.20 AED";
    QTest::newRow("currency query fails")
            << QStringList { "charge-type 1", "price-unit-fail on" } << cost << QByteArray("3.20") << "9 Units";
    QTest::newRow("charge type query fails") << QStringList { "charge-type fail" } << cost << QByteArray("3.20")
                                             << "9 Units";
    QTest::newRow("unknown charge type") << QStringList { "charge-type 7" } << cost << QByteArray("3.20")
                                         << "9 Units";
    QTest::newRow("empty text") << QStringList() << cost << QByteArray(1, '\0') << "";
    QTest::newRow("no data") << QStringList() << cost << QByteArray() << "9 Units";
    QTest::newRow("other event") << QStringList() << 0x1601u << QByteArray("5") << "9 Units";
    QTest::newRow("stops at the zero") << QStringList() << cost << QByteArray("12\0garbage", 10) << "12 Units";
    // No terminator: exactly the bytes sent, at most 100 of them.
    QTest::newRow("short, unterminated") << QStringList() << cost << QByteArray("12345") << "12345 Units";
    QTest::newRow("100 bytes, unterminated") << QStringList() << cost << QByteArray(100, '7')
                                             << QString(100, '7') + " Units";
    QTest::newRow("150 bytes") << QStringList() << cost << QByteArray(150, '7') << QString(100, '7') + " Units";
    QTest::newRow("Latin-1 text") << QStringList() << cost << QByteArray("\xa3" "2") << QString::fromLatin1("\xa3" "2 Units");
    QTest::newRow("unit fills its buffer") << QStringList { "charge-type 1", "price-unit " + QString(90, 'u') } << cost
                                           << QByteArray("1") << "1 " + QString(70, 'u');
}

void tst_StatusTextInfoEngine::callCost()
{
    QFETCH(QStringList, phone);
    QFETCH(unsigned int, type);
    QFETCH(QByteArray, raw);
    QFETCH(QString, expected);

    startEngine();
    QVERIFY(run({ "cost 9" }));
    QCOMPARE(m_engine->lineTwo(), QStringLiteral("9 Units"));
    for (const QString &step : phone)
        QVERIFY(run({ "phone " + step }));
    QVERIFY(VynPhone::sendTapiEvent(type, raw));
    QVERIFY(flushChannel(VynPhone::channelName()));
    QCOMPARE(m_engine->lineTwo(), expected);
}

void tst_StatusTextInfoEngine::refreshMessages_data()
{
    QTest::addColumn<QByteArray>("channel");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("lineOneSignals");
    QTest::addColumn<int>("lineTwoSignals");

    const QByteArray notification(VynChannel::NotificationPath);
    const QByteArray notice(VynMessage::NotificationMessage);
    QTest::newRow("notification 0") << notification << notice << payload(qint32(0)) << 0 << 1;
    QTest::newRow("notification 1") << notification << notice << payload(qint32(1)) << 0 << 0;
    QTest::newRow("notification without payload") << notification << notice << QByteArray() << 0 << 0;
    QTest::newRow("notification on /idle/message")
            << QByteArray(VynChannel::IdleMessage) << notice << payload(qint32(0)) << 0 << 1;
    QTest::newRow("auto-answer state") << notification << QByteArray(VynMessage::AutoAnswerState) << QByteArray() << 0
                                       << 1;
    QTest::newRow("keypad lock") << QByteArray(VynChannel::StatusText) << QByteArray(VynMessage::KeypadLock)
                                 << QByteArray() << 0 << 1;
    QTest::newRow("headset") << QByteArray(VynChannel::PhoneToIdle) << QByteArray(VynMessage::HeadsetStatus)
                             << QByteArray() << 0 << 1;
    QTest::newRow("show idle screen") << QByteArray(VynChannel::PhoneToIdle) << QByteArray(VynMessage::ShowIdleScreen)
                                      << QByteArray() << 1 << 1;
    QTest::newRow("bluetooth") << QByteArray(VynChannel::Bluetooth) << QByteArray(VynMessage::BluetoothState)
                               << QByteArray() << 0 << 1;
    QTest::newRow("LCD on") << QByteArray(VynChannel::System) << QByteArray(VynMessage::LcdOn) << QByteArray() << 0
                            << 1;
    QTest::newRow("other system notice") << QByteArray(VynChannel::System) << QByteArray(VynMessage::BacklightDimmed)
                                         << QByteArray() << 0 << 0;
    QTest::newRow("any syncing message") << QByteArray(VynChannel::HomeScreenSyncing) << QByteArray("progress")
                                         << QByteArray() << 0 << 1;
    QTest::newRow("unknown message") << QByteArray(VynChannel::StatusText) << QByteArray("SOMETHING") << QByteArray()
                                     << 0 << 0;
    QTest::newRow("cell broadcast of the wrong type")
            << QByteArray(VynChannel::StatusText) << QByteArray(VynMessage::CellBroadcast) << payload(qint32(5)) << 0
            << 0;
}

void tst_StatusTextInfoEngine::refreshMessages()
{
    QFETCH(QByteArray, channel);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, data);
    QFETCH(int, lineOneSignals);
    QFETCH(int, lineTwoSignals);

    startEngine();
    QSignalSpy lineOneChanged(m_engine.get(), &StatusTextInfoEngine::sigLineOneTextChanged);
    QSignalSpy lineTwoChanged(m_engine.get(), &StatusTextInfoEngine::sigLineTwoTextChanged);
    QVERIFY(send(channel, message, data));
    QCOMPARE(lineOneChanged.count(), lineOneSignals);
    QCOMPARE(lineTwoChanged.count(), lineTwoSignals);
}

void tst_StatusTextInfoEngine::operatorLogo_data()
{
    QTest::addColumn<QByteArray>("iconFile");
    QTest::addColumn<bool>("expectedLogo");

    QByteArray png;
    {
        QImage image(30, 12, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    QTest::newRow("logo") << png << true;
    QTest::newRow("missing icon") << QByteArray() << false;
    QTest::newRow("empty icon") << QByteArray("") << false;
    QTest::newRow("not an image") << QByteArray("GIF89a but not really") << false;
}

void tst_StatusTextInfoEngine::operatorLogo()
{
    QFETCH(QByteArray, iconFile);
    QFETCH(bool, expectedLogo);

    const QString icon = QStringLiteral("/usr/SYSqtapp/icons/carrier_std.png");
    QFile::remove(m_device->hostPath(icon));
    if (!iconFile.isNull())
        QVERIFY(m_device->writeFile(icon, iconFile));
    startEngine();
    QVERIFY(m_engine->operatorLogo().isNull());
    QSignalSpy iconChanged(m_engine.get(), &StatusTextInfoEngine::sigOperatorIconChanged);
    QVERIFY(setPhone("logo", "on"));
    QCOMPARE(iconChanged.count(), 1);
    QCOMPARE(!m_engine->operatorLogo().isNull(), expectedLogo);
    QVERIFY(setPhone("logo", "off"));
    QCOMPARE(iconChanged.count(), 2);
    QVERIFY(m_engine->operatorLogo().isNull());
}

QTEST_MAIN(tst_StatusTextInfoEngine)
#include "tst_statustextinfoengine.moc"
