#include "azsettingwgt.h"
#include "az_timezone.h"
#include "azsettingtexts.h"

#include <azaansettings.h>
#include <mediafilepicker.h>
#include <setup_theme.h>
#include <util_mimetype.h>
#include <util_uilocker.h>
#include <vynchannels.h>
#include <zapplication.h>
#include <zlistbox.h>
#include <zmessagedlg.h>
#include <zmsg.h>
#include <zresource.h>
#include <zscreen.h>
#include <zscrollpanel.h>
#include <zsingleselectdlg.h>
#include <zsoftkey.h>

#include <QCoreApplication>
#include <QVBoxLayout>

#include <memory>

using namespace AZSettingTexts;

namespace {

// Keeps the screen answering keys once the chooser that locked it returns.
struct UILock
{
    UILock() { UTIL_UILocker::startUILocker(-1); }
    ~UILock() { UTIL_UILocker::stopUILocker(); }
};

const QStringList &defaultSoundExtensions()
{
    static const QStringList extensions { QStringLiteral("mid"), QStringLiteral("midi"), QStringLiteral("mp3"),
                                          QStringLiteral("wav"), QStringLiteral("wma") };
    return extensions;
}

} // namespace

AZSettingWgt::AZSettingWgt(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : ZKbMainWidget(parent, name ? name : "AZSettingWgt", flags)
    , panel(new ZScrollPanel(this, nullptr, 63))
    , list(new ZListBox(QStringLiteral("%M"), panel->viewport(), 40, "azaanSettingsList"))
{
    restoreTitle();
    auto *layout = new QVBoxLayout(panel->viewport());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    list->setFixedHeight(ZScreen::height() - ZScreen::titleBarHeight() - ZScreen::softKeyBarHeight());
    setContentWidget(panel);

    AzaanSettings *settings = AzaanSettings::instance();
    for (int position = 0; position < RowCount; ++position) {
        const Row &entry = AZSettingTexts::row(position);
        auto *item = new ZSettingItem(list, QStringLiteral("%M"));
        item->appendSubItem(0, label(entry), false, 0);
        item->appendSubItem(0, valueText(entry.code, (settings->*entry.read)()), false, 1);
        item->setReservedData(unsigned(entry.code));
        list->insertItem(item);
        rows[position] = item;
    }
    readStates();
    updateItemStates();

    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, QStringLiteral(" "));
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotRightSFKey()));
    connect(list, &ZListBox::selected, this, &AZSettingWgt::slotCommandDispatcher);
    list->setCurrentItem(0, false);
    list->setFocus();
}

AZSettingWgt::~AZSettingWgt()
{
    delete picker;
}

ZListBox *AZSettingWgt::listBox() const
{
    return list;
}

ZSettingItem *AZSettingWgt::rowForCode(int code) const
{
    for (ZSettingItem *item : rows) {
        if (item && int(item->getReservedData()) == code)
            return item;
    }
    return nullptr;
}

void AZSettingWgt::restoreTitle()
{
    setMainWidgetTitle(RES_TEXT("TXT_RID_HEADER_CUSTOM_HOME_SCREEN", "Custom Home Screen"));
}

void AZSettingWgt::readStates()
{
    AzaanSettings *settings = AzaanSettings::instance();
    enabledValue = settings->getEnabled();
    prayerValue = settings->getPrayer();
}

void AZSettingWgt::show()
{
    ZKbMainWidget::show();
    raise();
    activateWindow();
    list->setFocus();
    running = true;
    ZApplication::enter_loop();
    running = false;
#ifndef AZ_SETTINGS_PLUGIN_BUILD
    // A custom home screen with nothing left on it is switched off when the user leaves.
    AzaanSettings *settings = AzaanSettings::instance();
    const QString off = QStringLiteral("0");
    if (settings->getEnabled() == QLatin1String("1") && settings->getPrayer() == off
        && settings->getMessage() == off && settings->getCalendar() == off && settings->getEvent() == off
        && settings->getMedia() == off)
        settings->setEnabled(off);
#endif
    setAttribute(Qt::WA_DeleteOnClose, true);
    close();
    // Gone before we return: the library that holds our code may be closed right after.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AZSettingWgt::slotRightSFKey()
{
    if (running)
        ZApplication::exit_loop();
}

void AZSettingWgt::updateItemStates()
{
#ifndef AZ_SETTINGS_PLUGIN_BUILD
    const bool custom = isOn(enabledValue);
    const bool prayer = custom && isOn(prayerValue);
    for (ZSettingItem *item : rows) {
        switch (int(item->getReservedData())) {
        case CustomCode:
            item->setEnabled(true);
            break;
        case MethodCode:
        case CityCode:
        case AlertCode:
        case AlertSoundCode:
            item->setEnabled(prayer);
            break;
        default:
            item->setEnabled(custom);
        }
    }
#endif
}

void AZSettingWgt::notifyHomeScreen()
{
    AzaanSettings *settings = AzaanSettings::instance();
    const QString on = QStringLiteral("1");
    const bool wanted = settings->getEnabled() == on
            && (settings->getPrayer() == on || settings->getMessage() == on || settings->getCalendar() == on
                || settings->getEvent() == on || settings->getMedia() == on);
    ZMsg message(VynChannel::HomeScreenFramework, wanted ? VynMessage::ActivatePlugin : VynMessage::DeactivatePlugin,
                 false);
    message << QStringLiteral("Azaan");
    message.send();
}

void AZSettingWgt::slotCommandDispatcher(int index)
{
    auto *item = static_cast<ZSettingItem *>(list->item(index));
    if (!item || !item->isEnabled())
        return;
    const UILock lock;
    const int code = int(item->getReservedData());
    if (code == MethodCode)
        slotCenterSelect(item);
    else
        quadStyleShortcutPicker(item, code);
}

void AZSettingWgt::slotCenterSelect(ZSettingItem *item)
{
    if (!item)
        return;
    const int checked = methodIndex(AzaanSettings::instance()->getPrayerMethod());
    ZSingleSelectDlg dialog(item->label(), QString(), this);
    dialog.addItemsList(methodNames());
    dialog.setCheckedItem(checked);
    if (dialog.exec() != 1)
        return;
    const int chosen = dialog.getCheckedItemIndex();
    if (chosen < 0 || chosen >= methodNames().size() || chosen == checked)
        return;
    if (AzaanSettings::instance()->setPrayerMethod(QString::number(chosen + 1)))
        item->setSubItem(0, 1, methodNames().at(chosen));
}

void AZSettingWgt::quadStyleShortcutPicker(ZSettingItem *item, int code)
{
    if (!item)
        return;
    switch (code) {
    case CityCode:
        chooseCity(item);
        break;
    case AlertCode:
        chooseAlert(item);
        break;
    case AlertSoundCode:
        chooseAlertSound(item);
        break;
    case MethodCode:
        slotCenterSelect(item);
        break;
    default:
        chooseOnOff(item, code);
    }
}

void AZSettingWgt::chooseOnOff(ZSettingItem *item, int code)
{
    const Row *entry = AZSettingTexts::rowForCode(code);
    if (!entry)
        return;
    AzaanSettings *settings = AzaanSettings::instance();
    const bool on = isOn((settings->*entry->read)());
#ifdef AZ_SETTINGS_PLUGIN_BUILD
    const QStringList choices { offText(), onText() };
    const int onIndex = 1;
#else
    const QStringList choices { onText(), offText() };
    const int onIndex = 0;
#endif
    const int checked = on ? onIndex : 1 - onIndex;
    ZSingleSelectDlg dialog(item->label(), QString(), this);
    dialog.addItemsList(choices);
    dialog.setCheckedItem(checked);
    if (dialog.exec() != 1)
        return;
    const int chosen = dialog.getCheckedItemIndex();
    if (chosen < 0 || chosen > 1 || chosen == checked)
        return;
    const bool nowOn = chosen == onIndex;
    if (!(settings->*entry->write)(nowOn ? QStringLiteral("1") : QStringLiteral("0")))
        return;
    notifyHomeScreen();
    item->setSubItem(0, 1, nowOn ? onText() : offText());
    readStates();
    updateItemStates();
}

void AZSettingWgt::chooseAlert(ZSettingItem *item)
{
    const int checked = alertIndex(AzaanSettings::instance()->getAlert());
    ZSingleSelectDlg dialog(item->label(), QString(), this);
    dialog.addItemsList(alertNames());
    dialog.setCheckedItem(checked);
    if (dialog.exec() != 1)
        return;
    const int chosen = dialog.getCheckedItemIndex();
    // Accepted with nothing chosen stores nothing.
    if (chosen < 0 || chosen >= alertNames().size() || chosen == checked)
        return;
    if (AzaanSettings::instance()->setAlert(QString::number(chosen)))
        item->setSubItem(0, 1, alertNames().at(chosen));
}

void AZSettingWgt::chooseCity(ZSettingItem *item)
{
    auto picker = std::make_unique<AZ_TimeZone>(nullptr);
    picker->exec();
    // The picker stores a choice itself; a cancel leaves the stored city.
    item->setSubItem(0, 1, AzaanSettings::instance()->getCity());
    restoreTitle();
}

void AZSettingWgt::chooseAlertSound(ZSettingItem *item)
{
    if (!pickAlertSound())
        return;
    if (AzaanSettings::instance()->setAlertPath(soundPath))
        item->setSubItem(0, 1, valueText(AlertSoundCode, soundPath));
    restoreTitle();
}

bool AZSettingWgt::pickAlertSound()
{
    delete picker;
    picker = nullptr;
    soundPicked = false;
    picker = new MediaFilePicker(0, 0, 0, 0, 1, QString());
    picker->setCallback(this);
    QStringList extensions = UTIL_MimeType::queryMpSupportedExtensions(3);
    if (extensions.isEmpty())
        extensions = defaultSoundExtensions();
    if (picker->pickRingtone(259, extensions) == 1)
        soundPicked = false;
    // The picker's notice arrived inside pickRingtone; only now may it go.
    delete picker;
    picker = nullptr;
    return soundPicked;
}

void AZSettingWgt::onPickerDone(int status)
{
    if (!picker)
        return;
    const QList<QByteArray> files = picker->fileList();
    // A pick without a file counts as a cancel.
    if (status != 0 || files.isEmpty()) {
        picker->close();
        return;
    }
    const QString path = QString::fromUtf8(files.first());
    if (isAlertSoundValid(path)) {
        soundPath = path;
        soundPicked = true;
        picker->close();
    } else {
        soundPath = QString();
    }
}

bool AZSettingWgt::isAlertSoundValid(const QString &path)
{
    if (SETUP_THEME::isRingTone(path))
        return true;
    QString text = RES_TEXT("FMT_RID_INSTRUCTIONALTXT_BECAUSE_THIS_FILE_IS_INVALID_1_IT_CANNOT_BE_SELECTED",
                            "Because this file is invalid: %1, it cannot be selected.");
    text.replace(QLatin1String("%1"), path);
    ZMessageDlg message(RES_TEXT("TXT_RID_HEADER_INVALID_FILE", "Invalid File"), text, 2, 0, this);
    message.exec();
    return false;
}
