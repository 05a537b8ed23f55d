#include "hsscpluginwidget.h"

#include "shortcuticon.h"

#include <am_global.h>
#include <am_launcherclient.h>
#include <hsplugin.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zheadless.h>
#include <zlog.h>

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const char *const positionNames[] = { "Left", "Right", "Up", "Down" };

int positionOfKey(int key)
{
    switch (key) {
    case HSKeyLeft:
        return HSPluginShortcutSetup::Left;
    case HSKeyRight:
        return HSPluginShortcutSetup::Right;
    case HSKeyUp:
        return HSPluginShortcutSetup::Up;
    case HSKeyDown:
        return HSPluginShortcutSetup::Down;
    default:
        return -1;
    }
}

} // namespace

HSSCPluginWidget::HSSCPluginWidget(QWidget *container)
    : QWidget(container)
    , setup(HSPluginShortcutSetup::getInstance())
    , launcherChannel(new QCopChannel(AM_Global::getLauncherChannel(), this))
{
    setObjectName(QStringLiteral("shortcutWidget"));
    // Only the icons are drawn: on a small screen the cross may lie over another plugin, which
    // then shows between the icons instead of a square of wallpaper.
    setAutoFillBackground(false);
    if (container) {
        setFixedSize(container->size());
        // The host may move and size the container again (a theme change): follow it.
        container->installEventFilter(this);
    }
    connect(launcherChannel, &QCopChannel::received, this, &HSSCPluginWidget::slotLauncherMessage);
}

HSSCPluginWidget::~HSSCPluginWidget()
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    HSPluginShortcutSetup::releaseInstance();
}

bool HSSCPluginWidget::iconsVisible() const
{
    return setup->showIcons() || revealed;
}

void HSSCPluginWidget::dropHighlight()
{
    if (!iconsLoaded() || (!revealed && m_selectedIcon == -1))
        return;
    revealed = false;
    m_selectedIcon = -1;
    slotRePaint();
}

void HSSCPluginWidget::paintEvent(QPaintEvent *)
{
    if (!iconsVisible() || buffer.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), buffer);
}

bool HSSCPluginWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        if (size() != parentWidget()->size())
            setFixedSize(parentWidget()->size());
        slotRePaint();
    }
    return QWidget::eventFilter(watched, event);
}

void HSSCPluginWidget::slotLauncherMessage(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::ShowWallPaper)
        slotRePaint();
}

HSSCQuadStylePluginWidget::HSSCQuadStylePluginWidget(QWidget *container)
    : HSSCPluginWidget(container)
{
    loadIcons();
    m_loaded = true;
}

HSSCQuadStylePluginWidget::~HSSCQuadStylePluginWidget() = default;

void HSSCQuadStylePluginWidget::loadIcons()
{
    const auto &entries = setup->entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const ShortcutEntry &entry = entries[i];
        if (m_loaded && entry.appId == shown[i].appId && entry.icon == shown[i].icon && entry.name == shown[i].name)
            continue;
        shown[i] = entry;
        highlightedImages[i] = ShortcutIcon::load(entry.icon, ShortcutLayout::HighlightSize);
        normalImages[i] = ShortcutIcon::load(entry.icon, ShortcutLayout::IconSize);
        if (entry.appId.isEmpty())
            continue;
        // A missing icon or a file that is no image still leaves the key findable.
        if (highlightedImages[i].isNull())
            highlightedImages[i] = ShortcutIcon::placeholder(entry.name, ShortcutLayout::HighlightSize);
        if (normalImages[i].isNull())
            normalImages[i] = ShortcutIcon::placeholder(entry.name, ShortcutLayout::IconSize);
    }
}

void HSSCQuadStylePluginWidget::slotRePaint()
{
    ++m_repaints;
    loadIcons();
    buffer = QPixmap(size().isEmpty() ? QSize(1, 1) : size());
    buffer.fill(Qt::transparent);
    if (setup->hasLayout()) {
        QPainter painter(&buffer);
        painter.setRenderHint(QPainter::Antialiasing);
        const auto &positions = setup->positions();
        for (size_t i = 0; i < positions.size(); ++i) {
            if (normalImages[i].isNull() || highlightedImages[i].isNull())
                continue;
            if (int(i) == m_selectedIcon) {
                const QRect rect = positions[i].highlighted;
                QPainterPath halo;
                halo.addRoundedRect(QRectF(rect).adjusted(-1, -1, 1, 1), 7, 7);
                QColor colour = ZGlobal::highlightColor();
                colour.setAlpha(170);
                painter.fillPath(halo, colour);
                painter.drawPixmap(rect.topLeft(), highlightedImages[i]);
            } else {
                painter.drawPixmap(positions[i].normal.topLeft(), normalImages[i]);
            }
        }
    }
    updateDumpText();
    update();
}

void HSSCQuadStylePluginWidget::updateDumpText()
{
    QStringList lines;
    if (iconsVisible()) {
        for (size_t i = 0; i < shown.size(); ++i) {
            if (shown[i].appId.isEmpty())
                continue;
            lines << QStringLiteral("%1%2: %3")
                             .arg(int(i) == m_selectedIcon ? QStringLiteral("[") : QString())
                             .arg(QString::fromLatin1(positionNames[i]))
                             .arg(shown[i].name.isEmpty() ? shown[i].appId : shown[i].name)
                     + (int(i) == m_selectedIcon ? QStringLiteral("]") : QString());
        }
    }
    ZHeadless::setDumpText(this, lines);
}

int HSSCQuadStylePluginWidget::keyEvent(int &phase, int key)
{
    if ((phase != 0 && phase != 2) || !m_loaded)
        return 1;
    const int position = positionOfKey(key);
    if (position < 0)
        return 1;
    m_selectedIcon = position;
    const ShortcutEntry *entry = setup->entry(position);
    if (!entry)
        return 0;
    if (!setup->showIcons())
        revealed = true;
    slotRePaint();
    const QString appId = entry->appId;
    const int result = AM_LauncherClient::launchAppObject(appId, QString(), 2, true, true);
    if (result != 0)
        qCWarning(zlog("qd_idle")) << "shortcut: could not start" << appId << result;
    return 0;
}
