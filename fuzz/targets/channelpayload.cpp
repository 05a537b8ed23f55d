// Channel messages as their receivers decode them: the host's framework messages, the status
// text's SIM toolkit idle text, cell broadcast, keypad and phone notices, and telephony events
// (call cost among them) through the telephony client. The first byte picks the message, the
// rest is the payload; messages travel inside the process, as from another program.
#include "fuzzcheck.h"

#include "homescreenhost.h"

#include <hs_idle_frame.h>
#include <qcopchannel.h>
#include <statustextinfoengine.h>
#include <tapi_client.h>
#include <vynchannels.h>

#include <QApplication>

namespace {

struct Receivers
{
    TAPI_Client tapi;
    std::unique_ptr<StatusTextInfoEngine> engine;
    std::unique_ptr<HomeScreenHost> host;
};

Receivers &receivers()
{
    static Receivers *made = nullptr;
    if (!made) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        Fuzz::deviceRoot();
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = { name, nullptr };
        new QApplication(argc, argv);
        made = new Receivers;
        HS_IDLE_Frame::pTapi = &made->tapi;
        made->engine = std::make_unique<StatusTextInfoEngine>();
        made->host = std::make_unique<HomeScreenHost>(
                HomeScreenHost::Options { QStringLiteral("/nonexistent.cfg"), Fuzz::deviceRoot() });
        made->host->start();
    }
    return *made;
}

struct Message
{
    const char *channel;
    const char *message;
};

const Message messages[] = {
    { VynChannel::HomeScreenFramework, VynMessage::ActivatePlugin },
    { VynChannel::HomeScreenFramework, VynMessage::DeactivatePlugin },
    { VynChannel::StatusText, VynMessage::StkIdleText },
    { VynChannel::StatusText, VynMessage::CellBroadcast },
    { VynChannel::StatusText, VynMessage::KeypadLock },
    { VynChannel::PhoneToIdle, VynMessage::StkIdleText },
    { VynChannel::PhoneToIdle, VynMessage::ChargeOnly },
    { VynChannel::PhoneToIdle, VynMessage::HeadsetStatus },
    { VynChannel::Phone, VynMessage::TapiEvent },
    { VynChannel::Bluetooth, VynMessage::BluetoothState },
    { VynChannel::IdleMessage, VynMessage::AutoAnswerState },
    { VynChannel::NotificationPath, VynMessage::NotificationMessage },
    { VynChannel::HomeScreenSyncing, VynMessage::BeginSyncing },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    receivers();
    if (size == 0)
        return 0;
    const Message &message = messages[data[0] % std::size(messages)];
    QCopChannel::send(message.channel, message.message, Fuzz::bytes(data + 1, size - 1));
    QCoreApplication::sendPostedEvents();
    return 0;
}
