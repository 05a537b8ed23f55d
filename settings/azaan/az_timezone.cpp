#include "az_timezone.h"

#include <azaansettings.h>
#include <sortmethods.h>
#include <worldclock_service.h>
#include <zapplication.h>
#include <zjumpbox.h>
#include <zlistbox.h>
#include <zlog.h>
#include <zresource.h>
#include <zsoftkey.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

bool isFindKey(const QKeyEvent *event)
{
    const int key = event->key();
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Asterisk || key == Qt::Key_NumberSign)
        return true;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // A desktop keyboard's letters stand for the letters of the keypad keys; a keypad in another
    // script (Arabic) types its own letters, which find the cities in that language.
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return true;
    const QString text = event->text();
    return text.size() == 1 && text.at(0).isLetter();
}

bool isCentreKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

} // namespace

AZ_TimeZone::AZ_TimeZone(QWidget *parent)
    : ZKbMainWidget(parent, "AZ_TimeZone")
    , worldClock(WORLDCLOCK_Service::getInstance())
    , settings(AzaanSettings::instance())
    , currentCity(settings->getCity())
    , cityNames(worldClock ? worldClock->getAllCityNames() : QStringList())
    , box(new QWidget(this))
    , boxLayout(new QVBoxLayout(box))
    , list(new ZListBox(QStringLiteral("%R%M"), box, 40, "cityList"))
{
    setMainWidgetTitle(RES_TEXT("TXT_RID_HEADER_CITY", "City"));
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(0);
    boxLayout->addWidget(list, 1);
    list->enableMarquee(0, true);
    list->installEventFilter(this);
    setContentWidget(box);

    auto *softKey = new ZSoftKey("CST_2", this);
    softKey->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_SELECT", "Select"));
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_CANCEL", "Cancel"));
    softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotSelect()));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotCancel()));
    setSoftKey(softKey);

    if (cityNames.isEmpty())
        qCWarning(zlog("qd_idle")) << "city picker: the world clock lists no cities";
    buildList();
}

AZ_TimeZone::~AZ_TimeZone()
{
    WORLDCLOCK_Service::dispose();
}

QString AZ_TimeZone::offsetText(const WORLDCLOCK_CityInfo &info)
{
    // The record's parts may each carry the sign; the total decides it.
    const long total = long(info.gmtHours) * 3600 + long(info.gmtMinutes) * 60 + info.gmtSeconds;
    const long hours = total / 3600;
    if (hours < -12 || hours > 13)
        return QString();
    const long magnitude = std::labs(total);
    const long minutes = magnitude % 3600 / 60;
    const long seconds = magnitude % 60;
    QString text = total < 0 ? QStringLiteral("-") : QStringLiteral("+");
    text += QString::number(magnitude / 3600);
    if (minutes != 0 || seconds != 0)
        text += QStringLiteral(":%1").arg(minutes, 2, 10, QLatin1Char('0'));
    if (seconds != 0)
        text += QStringLiteral(":%1").arg(seconds, 2, 10, QLatin1Char('0'));
    return text;
}

QString AZ_TimeZone::displayText(const QString &cityName) const
{
    WORLDCLOCK_CityInfo info;
    QString offset;
    if (worldClock && worldClock->getCityInfo(cityName, info))
        offset = offsetText(info);
    const QString shown = worldClock ? worldClock->translateCityName(cityName) : cityName;
    QString gmt = RES_TEXT("FMT_RID_STANDARD_PARENS_GMT_1_PARENS", "(GMT %0)");
    gmt.replace(QLatin1String("%0"), offset);
    return shown + QLatin1Char(' ') + gmt;
}

void AZ_TimeZone::buildList()
{
    displayList.clear();
    displayList.reserve(cityNames.size());
    for (const QString &name : std::as_const(cityNames))
        displayList.append({ displayText(name), name });
    const auto before = [](const CityEntry &a, const CityEntry &b) {
        return sortmethods_str_cmp(a.display, b.display) < 0;
    };
    std::make_heap(displayList.begin(), displayList.end(), before);
    std::sort_heap(displayList.begin(), displayList.end(), before);

    list->clear();
    int checked = -1;
    for (int i = 0; i < displayList.size(); ++i) {
        auto *row = new ZListBoxItem(list, QString());
        row->appendSubItem(0, displayList.at(i).display);
        list->insertItem(row, -1, false);
        if (checked < 0 && displayList.at(i).name == currentCity)
            checked = i;
    }
    if (list->count() > 0) {
        const int row = checked < 0 ? 0 : checked;
        list->checkItem(row, true);
        list->setCurrentItem(row, false);
    }
    list->setFocus();
}

int AZ_TimeZone::exec()
{
    show();
    raise();
    activateWindow();
    list->setFocus();
    // Our own loop, not the application's level: the settings screen that opens us runs a
    // nested loop of its own.
    if (!inLoop) {
        inLoop = true;
        ZApplication::enter_loop();
        inLoop = false;
    }
    return result;
}

void AZ_TimeZone::done(int r)
{
    hide();
    result = r;
    if (inLoop) {
        inLoop = false;
        ZApplication::exit_loop(r);
    }
}

void AZ_TimeZone::slotSelect()
{
    const int current = list->currentItem();
    list->setCurrentItem(current, true);
    if (current >= 0 && current < displayList.size()) {
        const QString name = displayList.at(current).name;
        if (!name.isEmpty())
            settings->setCity(name);
    }
    done(1);
}

void AZ_TimeZone::slotCancel()
{
    done(1);
}

void AZ_TimeZone::slotTimeZoneDataChanged()
{
    buildList();
}

void AZ_TimeZone::slotTextChanged(const QString &text)
{
    if (text.isEmpty() || displayList.isEmpty())
        return;
    // The first city at or after the text; past the last one, the last one.
    const auto at = std::lower_bound(displayList.cbegin(), displayList.cend(), text,
                                     [](const CityEntry &entry, const QString &wanted) {
                                         return sortmethods_str_cmp(entry.display, wanted) < 0;
                                     });
    const int row = at == displayList.cend() ? int(displayList.size()) - 1 : int(at - displayList.cbegin());
    list->setCurrentItem(row, true);
}

void AZ_TimeZone::slotClearAllText()
{
    if (findBox)
        findBox->hide();
    list->setCurrentItem(0, true);
    list->setFocus();
}

void AZ_TimeZone::openFindBox(QKeyEvent *event)
{
    if (!findBox) {
        findBox = new ZJumpBox(RES_TEXT("TXT_RID_JUMPBOX_FIND", "Find: "), box, 9, 37, "findBox");
        boxLayout->addWidget(findBox);
        connect(findBox, &ZJumpBox::sigTextChanged, this, &AZ_TimeZone::slotTextChanged);
        connect(findBox, &ZJumpBox::clearAllText, this, &AZ_TimeZone::slotClearAllText);
    }
    findBox->setModalEditing(true);
    findBox->activate(event);
}

bool AZ_TimeZone::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != list || event->type() != QEvent::KeyPress)
        return ZKbMainWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->isAutoRepeat())
        return false;
    if (isFindKey(key)) {
        if (findBox && findBox->isVisible())
            return true;
        findOpenedByKey = true;
        openFindBox(key);
        return true;
    }
    if (isCentreKey(key->key())) {
        if (findBox && findBox->isHideByCSK() && findOpenedByKey) {
            // The Return that closed the find box: the user stays on the city found.
            findOpenedByKey = false;
            return true;
        }
        slotSelect();
        return true;
    }
    return false;
}

const QList<AZ_TimeZone::CityEntry> &AZ_TimeZone::entries() const
{
    return displayList;
}

ZListBox *AZ_TimeZone::listBox() const
{
    return list;
}

ZJumpBox *AZ_TimeZone::jumpBox() const
{
    return findBox;
}

bool AZ_TimeZone::isInLoop() const
{
    return inLoop;
}
