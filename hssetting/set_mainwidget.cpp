#include "set_mainwidget.h"
#include "hsset_manager.h"

#include <res_icon_reader.h>
#include <vynchannels.h>
#include <zapplication.h>
#include <zlistbox.h>
#include <zresource.h>
#include <zsoftkey.h>

SET_MainWidget::SET_MainWidget(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : ZKbMainWidget(parent, name ? name : "SET_MainWidget", flags)
    , entries(&HSSET_Manager::instance()->entries())
    , list(new ZListBox(QStringLiteral("%I%M"), this, 40, "settingsList"))
    , channel(nullptr)
{
    setMainWidgetTitle(RES_TEXT("TXT_RID_HEADER_HOME_SCREEN", "Homescreen Setting"));
    setContentWidget(list);

    fillList();

    connect(list, &ZListBox::selected, this, &SET_MainWidget::slotListItemClicked);
    channel = new QCopChannel(VynChannel::HomeScreenFramework, this);
    connect(channel, &QCopChannel::received, this, &SET_MainWidget::processHSFrameWorkMsg);
    if (auto *app = qobject_cast<ZApplication *>(QCoreApplication::instance()))
        connect(app, &ZApplication::askReturnToIdle, this, &SET_MainWidget::slotRightSFKey);
    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, QString());
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotRightSFKey()));
    connect(this, &ZKbMainWidget::clearKeyClicked, this, &SET_MainWidget::slotRightSFKey);
    list->setFocus();
}

SET_MainWidget::~SET_MainWidget()
{
    delete channel;
}

ZListBox *SET_MainWidget::listBox() const
{
    return list;
}

void SET_MainWidget::fillList()
{
    if (entries->empty())
        return;
    const int current = list->currentItem();
    list->clear();
    for (size_t i = 0; i < entries->size(); ++i) {
        HSSET_PluginItem *entry = entries->at(i).get();
        if (!entry->isInstalled())
            continue;
        const QString title = entry->getPromptText(this);
        if (title.isEmpty())
            continue;
        auto *row = new ZSettingItem(list, QStringLiteral("%I%M"));
        const QString icon = entry->getIconPath(this);
        if (icon.size() > 1)
            row->setPixmap(0, RES_ICON_Reader::getIcon(icon));
        row->appendSubItem(0, title, false, 0);
        row->setReservedData(unsigned(i));
        list->insertItem(row);
    }
    // A refresh keeps the user's place.
    if (current >= 0)
        list->setCurrentItem(qMin(current, list->count() - 1), false);
}

void SET_MainWidget::slotRightSFKey()
{
    setAttribute(Qt::WA_DeleteOnClose, true);
    close();
    QCoreApplication::quit();
}

void SET_MainWidget::slotListItemClicked(int index)
{
    const ZListBoxItem *row = list->item(index);
    if (index < 0 || !row)
        return;
    const unsigned position = row->getReservedData();
    if (position >= entries->size() || !entries->at(position))
        return;
    HSSET_PluginItem *entry = entries->at(position).get();
    entry->reloadSettingInfo(this);
    entry->showSettingWidget(nullptr);
    list->setFocus();
}

void SET_MainWidget::processHSFrameWorkMsg(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::ActivatePlugin || message == VynMessage::DeactivatePlugin) {
        fillList();
        return;
    }
    QString value;
    if (message == VynMessage::Digital)
        value = RES_TEXT("TXT_RID_LIST_A_DIGITAL", "digital");
    else if (message == VynMessage::Analog)
        value = RES_TEXT("TXT_RID_LIST_A_ANALOG", "analog");
    else
        return;
    if (ZListBoxItem *row = list->item(list->currentItem()))
        row->setSubItem(1, 1, value);
}
