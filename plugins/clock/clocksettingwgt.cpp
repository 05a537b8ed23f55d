#include "clocksettingwgt.h"

#include "clockconfig.h"

#include <qcopchannel.h>
#include <vynchannels.h>
#include <zlistbox.h>
#include <zmsg.h>
#include <zresource.h>

ClockSettingWgt::ClockSettingWgt(QWidget *parent, const char *name)
    : ZSingleSelectDlg(ZResource::text("ClockSettingWgt", "TXT_RID_HEADER_EXTERNAL_CLOCK_STYLE", "External Clock Style"),
                       QString(), parent, name)
    , listBox(getListBox())
    , m_styleAtOpen(ClockConfig::instance()->clockMode())
{
    addItemsList({ ZResource::text("ClockSettingWgt", "TXT_RID_LIST_A_DIGITAL", "Digital"),
                   ZResource::text("ClockSettingWgt", "TXT_RID_LIST_A_ANALOG", "Analog") });
    // "Off" and "Stylish" have no row: nothing is marked then.
    if (m_styleAtOpen == ClockConfig::Digital || m_styleAtOpen == ClockConfig::Analog)
        setCheckedItem(m_styleAtOpen);
    listBox->setFocus();
}

ClockSettingWgt::~ClockSettingWgt()
{
    ClockConfig::discard();
}

int ClockSettingWgt::exec()
{
    const int result = ZSingleSelectDlg::exec();
    if (result == 1)
        accept();
    return result;
}

void ClockSettingWgt::accept()
{
    const int chosen = getCheckedItemIndex();
    // Accepted with no row (nothing was marked and none picked): nothing to store or say.
    if (chosen != ClockConfig::Digital && chosen != ClockConfig::Analog)
        return;
    // Announcing a choice that never reached the disk would tell the others a lie.
    if (!ClockConfig::instance()->setClockMode(chosen) || chosen == m_styleAtOpen)
        return;
    const QString framework = QStringLiteral("Clock");
    if (m_styleAtOpen == ClockConfig::Off) {
        ZMsg message(VynChannel::HomeScreenFramework, VynMessage::ActivatePlugin);
        message << framework;
        message.send();
        return;
    }
    const char *style = chosen == ClockConfig::Digital ? VynMessage::Digital : VynMessage::Analog;
    QCopChannel::send(VynChannel::ClockCli, style);
    ZMsg message(VynChannel::HomeScreenFramework, style);
    message << QString::fromLatin1(style);
    message.send();
}
