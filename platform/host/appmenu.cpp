#include "appmenu.h"

#include <am_appregistry.h>
#include <am_launcherclient.h>
#include <res_icon_reader.h>
#include <zlistbox.h>
#include <zlog.h>
#include <zresource.h>
#include <zsoftkey.h>

AppMenu::AppMenu(QWidget *parent)
    : ZKbMainWidget(parent, "appMenu")
    , m_list(new ZListBox(QStringLiteral("%I%M"), this, 0, "appMenuList"))
{
    setContentWidget(m_list);
    ZSoftKey *softKey = getSoftKey(true);
    softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotLaunch()));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotBack()));
    connect(m_list, &ZListBox::selected, this, &AppMenu::slotLaunch);
    connect(this, &ZKbMainWidget::clearKeyClicked, this, &AppMenu::slotBack);
    refresh();
}

AppMenu::~AppMenu() = default;

ZListBox *AppMenu::listBox() const
{
    return m_list;
}

QStringList AppMenu::appIds() const
{
    return m_ids;
}

void AppMenu::refresh()
{
    // Texts too: the language may have changed since the menu was last open.
    setMainWidgetTitle(RES_TEXT("TXT_RID_HEADER_MENU", "Menu"));
    getSoftKey(true)->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_SELECT", "Select"));
    getSoftKey(true)->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
    const QString current = m_ids.value(m_list->currentItem());
    m_list->clear();
    m_ids.clear();
    for (const AM_AppRegistry::App &app : AM_AppRegistry::apps()) {
        auto *row = new ZListBoxItem(m_list);
        row->setPixmap(0, RES_ICON_Reader::getIcon(app.icon));
        row->appendSubItem(0, app.name);
        m_list->insertItem(row);
        m_ids << app.id;
    }
    const int again = m_ids.indexOf(current);
    m_list->setCurrentItem(again < 0 ? 0 : again, false);
}

void AppMenu::slotLaunch()
{
    const QString id = m_ids.value(m_list->currentItem());
    if (id.isEmpty())
        return;
    const int result = AM_LauncherClient::launchAppObject(id, QString(), 0, false, false);
    if (result != 0)
        qCWarning(zlog("hsframework")) << "menu: could not start" << id << ":" << result;
    hide();
}

void AppMenu::slotBack()
{
    hide();
}
