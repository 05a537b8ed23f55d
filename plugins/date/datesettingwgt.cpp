#include "datesettingwgt.h"

#include "hsplugindatesetup.h"

#include <vynchannels.h>
#include <zapplication.h>
#include <zlistbox.h>
#include <zmsg.h>
#include <zresource.h>
#include <zscrollpanel.h>
#include <zsingleselectdlg.h>
#include <zsoftkey.h>

#include <QVBoxLayout>

namespace {

QString onText()
{
    return ZResource::text("DateSettingWgt", "TXT_RID_LIST_A_ON", "On");
}

QString offText()
{
    return ZResource::text("DateSettingWgt", "TXT_RID_LIST_A_OFF", "Off");
}

} // namespace

DateSettingWgt::DateSettingWgt(QWidget *parent)
    : ZKbMainWidget(parent, "DateSettingWgt")
    , panel(new ZScrollPanel(this, "datePanel"))
    , m_listBox(new ZListBox(QStringLiteral("%M"), panel->viewport(), 0, "dateList"))
    , row(new ZSettingItem(m_listBox))
{
    setAppTitle(ZResource::text("DateSettingWgt", "TXT_RID_HEADER_DATE", "Date"));
    panel->enableClipper(false);
    setContentWidget(panel);
    auto *layout = new QVBoxLayout(panel->viewport());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listBox);

    row->appendSubItem(0, ZResource::text("DateSettingWgt", "TXT_RID_SETTING_A_DATE_DISPLAY", "Date Display"), false, 0);
    row->appendSubItem(0, HSPluginDateSetup::instance()->dateMode() != 0 ? offText() : onText(), false, 1);
    m_listBox->insertItem(row);

    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, QStringLiteral(" "));
    softKey->setText(ZSoftKey::Right, ZResource::text("DateSettingWgt", "TXT_RID_SOFTKEY_BACK", "Back"));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotRightSFKey()));
    connect(this, &ZKbMainWidget::clearKeyClicked, this, &DateSettingWgt::slotRightSFKey);
    connect(m_listBox, &ZListBox::selected, this, &DateSettingWgt::slotCenterSelect);
    m_listBox->setFocus();
}

DateSettingWgt::~DateSettingWgt()
{
    HSPluginDateSetup::discard();
}

QString DateSettingWgt::displayValue() const
{
    return row->value();
}

void DateSettingWgt::show()
{
    ZKbMainWidget::show();
    m_listBox->setFocus();
    m_running = true;
    ZApplication::enter_loop();
    m_running = false;
    hide();
    // Gone now, not later: the library that holds this code may be closed soon after.
    delete this;
}

void DateSettingWgt::slotRightSFKey()
{
    if (m_running) {
        m_running = false;
        ZApplication::exit_loop();
    }
}

void DateSettingWgt::slotCenterSelect(int)
{
    HSPluginDateSetup *setup = HSPluginDateSetup::instance();
    const int stored = setup->dateMode();
    ZSingleSelectDlg popup(ZResource::text("DateSettingWgt", "TXT_RID_SETTING_A_DATE_DISPLAY", "Date Display"),
                           QString(), this);
    popup.addItemsList({ onText(), offText() });
    // A stored value other than 0 and 1 marks no row; any choice then counts as a change.
    if (stored == 0 || stored == 1)
        popup.setCheckedItem(stored);
    popup.getListBox()->setFocus();
    if (popup.exec() != 1)
        return;
    const int chosen = popup.getCheckedItemIndex();
    if ((chosen != 0 && chosen != 1) || chosen == stored)
        return;
    // Only a value that reached the disk is shown and announced.
    if (!setup->setDateMode(chosen))
        return;
    row->setSubItem(0, 1, chosen == 1 ? offText() : onText());
    ZMsg message(VynChannel::HomeScreenFramework,
                 chosen == 1 ? VynMessage::DeactivatePlugin : VynMessage::ActivatePlugin);
    message << QStringLiteral("Date");
    message.send();
}
