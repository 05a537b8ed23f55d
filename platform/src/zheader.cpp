#include "zheader.h"
#include "qcopchannel.h"
#include "vynchannels.h"
#include "vynphone.h"
#include "util_datetime.h"
#include "zconfig.h"
#include "zglobal.h"
#include "zheadless.h"
#include "zsystemclock.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace {

const int standardHeight = 20;
const int titleHeight = 24;
const int maximumSignal = 5;
const int maximumBattery = 4;

} // namespace

ZHeader::ZHeader(int type, QWidget *parent, const char *name, int flags)
    : QWidget(parent)
    , m_type(type)
    , m_minuteTimer(new QTimer(this))
{
    Q_UNUSED(flags);
    if (name)
        setObjectName(QString::fromLatin1(name));
    m_minuteTimer->setSingleShot(true);
    connect(m_minuteTimer, &QTimer::timeout, this, &ZHeader::refresh);
    // Signal, operator and battery change with the phone; the time when the clock is set.
    const auto follow = [this](const char *channelName, std::initializer_list<const char *> messages) {
        auto *channel = new QCopChannel(channelName, this);
        const QList<QCString> names(messages.begin(), messages.end());
        connect(channel, &QCopChannel::received, this, [this, names](const QCString &message, const QByteArray &) {
            if (names.contains(message))
                refresh();
        });
    };
    if (type == Standard) {
        follow(VynPhone::channelName(), { VynPhone::ChangedMessage });
        follow(VynChannel::System, { VynMessage::TimeInfoChanged });
        follow(VynChannel::DateTimeFormat, { VynMessage::TimeFormatChanged });
    }
    resize(headerSize(type));
    refresh();
}

ZHeader::~ZHeader() = default;

int ZHeader::type() const
{
    return m_type;
}

QSize ZHeader::headerSize(int type)
{
    return QSize(ZGlobal::screenWidth(), type == Title ? titleHeight : standardHeight);
}

QString ZHeader::operatorName() const
{
    return m_operatorName;
}

int ZHeader::signalLevel() const
{
    return m_signal;
}

int ZHeader::batteryLevel() const
{
    return m_battery;
}

bool ZHeader::isCharging() const
{
    return m_charging;
}

QString ZHeader::timeText() const
{
    return m_time;
}

QSize ZHeader::sizeHint() const
{
    return headerSize(m_type);
}

void ZHeader::refresh()
{
    const ZConfig phone(QStringLiteral("/tmp/vyn_phone.cfg"), true);
    m_operatorName = phone.readEntry(QStringLiteral("Network"), QStringLiteral("OperatorName"),
                                     QStringLiteral("Vyn Mobile"))
                             .simplified()
                             .left(40);
    m_signal = qBound(0, phone.readNumEntry(QStringLiteral("Network"), QStringLiteral("Signal"), 4), maximumSignal);
    m_battery = qBound(0, phone.readNumEntry(QStringLiteral("Battery"), QStringLiteral("Level"), 3), maximumBattery);
    m_charging = phone.readBoolEntry(QStringLiteral("Battery"), QStringLiteral("Charging"), false);
    m_time = UTIL_DateTime::timeToString(ZSystemClock::currentDateTime().time(), 0);
    ZHeadless::setDumpText(this, QStringList { m_operatorName, m_time });
    update();
    if (isVisible())
        scheduleMinute();
}

void ZHeader::scheduleMinute()
{
    // Just after the next minute starts, so the time never lags.
    const int second = ZSystemClock::currentDateTime().time().second();
    m_minuteTimer->start((60 - second) * 1000 + 200);
}

void ZHeader::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void ZHeader::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_minuteTimer->stop();
}

void ZHeader::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect();

    QLinearGradient shade(0, 0, 0, area.height());
    shade.setColorAt(0.0, QColor(0, 0, 0, 190));
    shade.setColorAt(1.0, QColor(0, 0, 0, 120));
    painter.fillRect(area, shade);
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    const int h = area.height();
    const QColor on(Qt::white);
    const QColor off(255, 255, 255, 70);

    // Signal: five rising bars at the left.
    int x = 4;
    for (int bar = 0; bar < maximumSignal; ++bar) {
        const int barHeight = 3 + bar * 2;
        painter.fillRect(QRect(x, h - 4 - barHeight, 2, barHeight), bar < m_signal ? on : off);
        x += 3;
    }

    QFont font = painter.font();
    font.setPixelSize(qMax(8, h - 8));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(on);

    // Battery at the right: a body with a tip, filled by level.
    const QRect body(area.width() - 26, (h - 10) / 2, 19, 10);
    painter.setPen(QPen(on, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(body).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.fillRect(QRect(body.right() + 1, body.top() + 3, 2, 4), on);
    const int fill = (body.width() - 4) * m_battery / maximumBattery;
    painter.fillRect(QRect(body.left() + 2, body.top() + 2, fill, body.height() - 4),
                     m_battery <= 1 ? QColor(0xe0, 0x50, 0x40) : QColor(0x7c, 0xd9, 0x6a));
    if (m_charging) {
        QPainterPath bolt;
        const QPointF c = QRectF(body).center();
        bolt.moveTo(c.x() + 1, c.y() - 5);
        bolt.lineTo(c.x() - 3, c.y() + 1);
        bolt.lineTo(c.x(), c.y() + 1);
        bolt.lineTo(c.x() - 1, c.y() + 5);
        bolt.lineTo(c.x() + 3, c.y() - 1);
        bolt.lineTo(c.x(), c.y() - 1);
        bolt.closeSubpath();
        painter.fillPath(bolt, QColor(0xff, 0xd5, 0x4a));
    }

    // The time left of the battery; the operator name takes the rest.
    const QFontMetrics metrics(font);
    const int timeWidth = metrics.horizontalAdvance(m_time);
    const QRect timeRect(body.left() - 6 - timeWidth, 0, timeWidth, h);
    painter.setPen(on);
    painter.drawText(timeRect, Qt::AlignVCenter | Qt::AlignRight, m_time);
    const QRect operatorRect(x + 4, 0, qMax(0, timeRect.left() - x - 10), h);
    painter.drawText(operatorRect, Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(m_operatorName, Qt::ElideRight, operatorRect.width()));
}
