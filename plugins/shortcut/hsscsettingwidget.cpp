#include "hsscsettingwidget.h"

#include "hspluginshortcutsetup.h"
#include "shortcuticon.h"

#include <am_appregistry.h>
#include <homescreentheme.h>
#include <zapplication.h>
#include <zlistbox.h>
#include <zresource.h>
#include <zscrollpanel.h>
#include <zsingleselectdlg.h>
#include <zsoftkey.h>

#include <QVBoxLayout>

namespace {

const int pickerIconSize = 19;

#define SC_TEXT(id, fallback) ZResource::text("HSSCSettingWidget", id, fallback)

QString showText()
{
    return SC_TEXT("TXT_RID_SETTING_B_SHOW", "Show");
}

QString hideText()
{
    return SC_TEXT("TXT_RID_SETTING_B_HIDE", "Hide");
}

struct PositionTexts
{
    const char *switchKey;
    const char *labelId;
    const char *headerId;
    const char *fallback;
};

const PositionTexts positionTexts[] = {
    { "CrossStyleNaviKey.Left", QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_SETTING_A_LEFT"), QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_HEADER_LEFT"), "Left" },
    { "CrossStyleNaviKey.Right", QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_SETTING_A_RIGHT"), QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_HEADER_RIGHT"), "Right" },
    { "CrossStyleNaviKey.Up", QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_SETTING_A_UP"), QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_HEADER_UP"), "Up" },
    { "CrossStyleNaviKey.Down", QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_SETTING_A_DOWN"), QT_TRANSLATE_NOOP("HSSCSettingWidget", "TXT_RID_HEADER_DOWN"), "Down" },
};

} // namespace

HSSCSettingWidget::HSSCSettingWidget(QWidget *parent)
    : ZKbMainWidget(parent, "HSSCSettingWidget")
    , setup(HSPluginShortcutSetup::getInstance())
    , panel(new ZScrollPanel(this, "shortcutPanel"))
    , m_listBox(new ZListBox(QStringLiteral("%M"), panel->viewport(), 0, "shortcutList"))
{
    setAppTitle(SC_TEXT("TXT_RID_HEADER_ICONS", "Icons"));
    panel->enableClipper(false);
    setContentWidget(panel);
    auto *layout = new QVBoxLayout(panel->viewport());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listBox);

    buildRows();

    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, QStringLiteral(" "));
    softKey->setText(ZSoftKey::Right, SC_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotRightSFKey()));
    connect(this, &ZKbMainWidget::clearKeyClicked, this, &HSSCSettingWidget::slotRightSFKey);
    connect(m_listBox, &ZListBox::selected, this, &HSSCSettingWidget::slotCommandDispatcher);
    m_listBox->setFocus();
}

HSSCSettingWidget::~HSSCSettingWidget()
{
    HSPluginShortcutSetup::releaseInstance();
}

void HSSCSettingWidget::buildRows()
{
    const auto shown = [](const char *key) {
        return HomeScreenTheme::readIdleConfigBool(HomeScreenTheme::AppWritePath, QStringLiteral("CustomizeSetting"),
                                                   QLatin1String(key), true);
    };
    if (shown("CrossStyleNaviKey.DisplayIcon")) {
        auto *row = new ZSettingItem(m_listBox);
        row->appendSubItem(0, SC_TEXT("TXT_RID_SETTING_A_ICON_DISPLAY", "Icon Display"), false, 0);
        row->appendSubItem(0, setup->showIcons() ? showText() : hideText(), false, 1);
        row->setReservedData(0);
        m_listBox->insertItem(row);
    }
    for (int position = 0; position < HSPluginShortcutSetup::PositionCount; ++position) {
        const ShortcutEntry *entry = setup->entry(position);
        if (!entry || !shown(positionTexts[position].switchKey))
            continue;
        auto *row = new ZSettingItem(m_listBox);
        row->appendSubItem(0, SC_TEXT(positionTexts[position].labelId, positionTexts[position].fallback), false, 0);
        row->appendSubItem(0, entry->name, false, 1);
        row->setReservedData(unsigned(position + 1));
        m_listBox->insertItem(row);
    }
}

void HSSCSettingWidget::show()
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

void HSSCSettingWidget::slotRightSFKey()
{
    if (m_running) {
        m_running = false;
        ZApplication::exit_loop();
    }
}

void HSSCSettingWidget::slotCommandDispatcher(int index)
{
    auto *row = dynamic_cast<ZSettingItem *>(m_listBox->item(index));
    if (!row)
        return;
    // The row's own number, not its place: hidden rows shift the places.
    const unsigned number = row->getReservedData();
    if (number == 0)
        chooseIconDisplay(row);
    else if (number <= unsigned(HSPluginShortcutSetup::PositionCount))
        chooseApplication(row, int(number) - 1);
}

void HSSCSettingWidget::chooseIconDisplay(ZSettingItem *row)
{
    ZSingleSelectDlg popup(SC_TEXT("TXT_RID_HEADER_ICON_DISPLAY", "Icon Display"), QString(), this);
    popup.addItemsList({ SC_TEXT("TXT_RID_LIST_A_SHOW", "Show"), SC_TEXT("TXT_RID_LIST_A_HIDE", "Hide") });
    popup.setCheckedItem(setup->showIcons() ? 0 : 1);
    popup.getListBox()->setFocus();
    if (popup.exec() != 1)
        return;
    const int chosen = popup.getCheckedItemIndex();
    if (chosen != 0 && chosen != 1)
        return;
    const bool show = chosen == 0;
    if (show == setup->showIcons())
        return;
    if (setup->setShowIcons(show))
        row->setSubItem(0, 1, show ? showText() : hideText());
}

void HSSCSettingWidget::chooseApplication(ZSettingItem *row, int position)
{
    const ShortcutEntry *current = setup->entry(position);
    ZSingleSelectDlg popup(SC_TEXT(positionTexts[position].headerId, positionTexts[position].fallback), QString(), this,
                           "shortcutPicker", QStringLiteral("%R%I%M"));
    QList<AM_AppRegistry::App> offered;
    for (const AM_AppRegistry::App &app : AM_AppRegistry::getAllAppObjects()) {
        if (HSPluginShortcutSetup::isExcluded(app.id))
            continue;
        offered << app;
        auto *item = new ZListBoxItem(popup.getListBox());
        item->setPixmap(0, ShortcutIcon::load(app.icon, pickerIconSize));
        item->appendSubItem(0, app.name);
        popup.getListBox()->insertItem(item);
        if (current && app.id == current->appId)
            popup.setCheckedItem(int(offered.size()) - 1);
    }
    popup.getListBox()->setFocus();
    if (popup.exec() != 1)
        return;
    // Accepted with nothing chosen (every application excluded): nothing to store.
    const int chosen = popup.getCheckedItemIndex();
    if (chosen < 0 || chosen >= offered.size())
        return;
    if (setup->setShortcut(position, offered.at(chosen).id)) {
        const ShortcutEntry *entry = setup->entry(position);
        row->setSubItem(0, 1, entry ? entry->name : offered.at(chosen).name);
    }
}
