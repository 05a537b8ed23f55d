#include "clockwidget.h"

#include "clockconfig.h"
#include "clocklayout.h"

#include <hspluginhost.h>
#include <qwallpaper.h>
#include <res_icon_reader.h>
#include <vynchannels.h>
#include <zglobal.h>

#include <QPainter>

ClockWidget::ClockWidget(HSPluginHost *site, QWidget *parent)
    : QWidget(parent)
    , site(site)
    , mode(0)
    , faceImage(RES_ICON_Reader::getIcon(QStringLiteral("analog_clock_face.g")))
{
    setObjectName(QStringLiteral("ClockWidget"));
    // The buffer covers the widget: nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    marquee.setParent(this);
    loadDigitalFont();
}

ClockWidget::~ClockWidget() = default;

QWidget *ClockWidget::container() const
{
    return site ? site->containerWidget() : nullptr;
}

void ClockWidget::loadDigitalFont()
{
    fontInfo = ClockLayout::drawFontInfo();
    font = HomeScreenTheme::skinFont(fontInfo);
    marquee.setFont(font);
}

void ClockWidget::drawClock()
{
    compose();
    update();
}

void ClockWidget::compose()
{
    ++m_redraws;
    // The text follows the clock even while there is nothing to draw it on (hidden, no size).
    marquee.setText(ClockLayout::currentText());
    // The buffer is the widget's size and shows the wallpaper where the widget is now.
    if (buffer.size() != size())
        buffer = size().isEmpty() ? QPixmap() : QPixmap(size());
    drawnAt = mapTo(window(), QPoint(0, 0));
    if (buffer.isNull())
        return;
    QPainter painter(&buffer);
    // The idle screen's wallpaper is screen-sized at the top-level window's origin.
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull())
        painter.fillRect(buffer.rect(), ZGlobal::backgroundColor());
    else
        painter.drawPixmap(QPoint(0, 0), wallpaper, QRect(drawnAt, buffer.size()));
    painter.end();
    drawDigitalClock();
}

void ClockWidget::drawDigitalClock()
{
    marquee.setGeometry(QRect(0, 0, width(), height()));
    marquee.setFont(font);
    QPainter painter(&buffer);
    painter.setPen(QPen(QColor(QRgb(fontInfo.color)), 0, Qt::SolidLine));
    marquee.paint(&painter, ClockLayout::alignRightCentre, QStringLiteral("..."), nullptr, true,
                  QColor(QRgb(fontInfo.outlineColor)), 1);
}

bool ClockWidget::adjustGeometry()
{
    QWidget *box = container();
    if (!box)
        return false;
    const QRect p = box->geometry();
    mode = 0;
    const QSize size = ClockLayout::currentBoxSize();
    // Keeps the right edge where it is: left + width, not right(), which is one short.
    QRect proposed(p.left() + p.width() - size.width(), p.top(), size.width(), size.height());
    if (!site->requestGeometry(&proposed))
        return false;
    setGeometry(0, 0, size.width(), size.height());
    return true;
}

void ClockWidget::requestShow()
{
    QWidget *box = container();
    if (!box)
        return;
    setGeometry(0, 0, box->width(), box->height());
    mode = 0;
    drawClock();
}

void ClockWidget::slotUpdate()
{
    drawClock();
}

void ClockWidget::slotTimeFormatChange(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::TimeFormatChanged)
        drawClock();
}

void ClockWidget::slotClockFormatChange(const QCString &message, const QByteArray &)
{
    if (message == "requestShow")
        requestShow();
}

void ClockWidget::slotThemeChanged(const QCString &message, const QByteArray &)
{
    if (message != VynMessage::ApplyStyle)
        return;
    // Whatever the host answers, the new font and the redraw follow.
    adjustGeometry();
    loadDigitalFont();
    drawClock();
}

void ClockWidget::slotMyFavesUpdateSetting(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::MyFavesShown || message == VynMessage::MyFavesHidden)
        QCopChannel::send(VynChannel::ClockPlugin, VynMessage::ClockFormatChange);
}

void ClockWidget::paintEvent(QPaintEvent *)
{
    // The host moved or resized the container since the last redraw: the old picture would
    // show the wrong wallpaper, or be cut.
    if (buffer.size() != size() || drawnAt != mapTo(window(), QPoint(0, 0)))
        compose();
    if (buffer.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), buffer, QRect(QPoint(0, 0), size()));
}
