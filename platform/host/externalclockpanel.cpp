#include "externalclockpanel.h"

#include <homescreentheme.h>
#include <res_icon_reader.h>
#include <util_datetime.h>
#include <vynchannels.h>
#include <zheadless.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QPainter>
#include <QTimer>
#include <QtMath>

namespace {

const int panelHeight = 120;
const int faceSize = 96;

QPoint rotated(const QPoint &point, const QPoint &centre, int degrees)
{
    const double a = qDegreesToRadians(double(degrees));
    const int dx = point.x() - centre.x();
    const int dy = point.y() - centre.y();
    return QPoint(int(centre.x() + dx * std::cos(a) - dy * std::sin(a)),
                  int(centre.y() + dy * std::cos(a) + dx * std::sin(a)));
}

} // namespace

ExternalClockPanel::ExternalClockPanel(QWidget *parent)
    : QWidget(parent)
    , m_cli(new QCopChannel(VynChannel::ClockCli, this))
    , m_system(new QCopChannel(VynChannel::System, this))
    , m_minuteTimer(new QTimer(this))
    , m_face(RES_ICON_Reader::getIcon(QStringLiteral("analog_clock_face.g")))
{
    setObjectName(QStringLiteral("externalDisplay"));
    setWindowTitle(RES_TEXT("TXT_RID_HEADER_EXTERNAL_DISPLAY", "External display"));
    const QString stored = HomeScreenTheme::readIdleConfig(HomeScreenTheme::LocalAppWritePath,
                                                           QStringLiteral("ClockPlugin"), QStringLiteral("ClockMode"),
                                                           QStringLiteral("Digital"));
    m_style = stored == QLatin1String("Analog") ? Analog : Digital;
    m_minuteTimer->setSingleShot(true);
    connect(m_minuteTimer, &QTimer::timeout, this, &ExternalClockPanel::refresh);
    connect(m_cli, &QCopChannel::received, this, &ExternalClockPanel::message);
    connect(m_system, &QCopChannel::received, this, [this](const QCString &message) {
        if (message == VynMessage::TimeInfoChanged)
            refresh();
    });
    auto *formats = new QCopChannel(VynChannel::DateTimeFormat, this);
    connect(formats, &QCopChannel::received, this, [this](const QCString &message) {
        if (message == VynMessage::TimeFormatChanged)
            refresh();
    });
    refresh();
}

ExternalClockPanel::~ExternalClockPanel() = default;

QSize ExternalClockPanel::sizeHint() const
{
    return QSize(320, panelHeight);
}

void ExternalClockPanel::setStyle(Style style)
{
    m_style = style;
    refresh();
}

void ExternalClockPanel::message(const QCString &message, const QByteArray &)
{
    // Only the two styles the settings announce; anything else leaves the display as it is.
    if (message == VynMessage::Digital)
        setStyle(Digital);
    else if (message == VynMessage::Analog)
        setStyle(Analog);
}

void ExternalClockPanel::refresh()
{
    const QTime now = ZSystemClock::currentDateTime().time();
    ZHeadless::setDumpText(this, QStringLiteral("External display: %1 %2")
                                         .arg(m_style == Analog ? QStringLiteral("analog") : QStringLiteral("digital"),
                                              UTIL_DateTime::timeToString(now)));
    m_minuteTimer->start((60 - now.second()) * 1000 + 200);
    update();
}

QPoint ExternalClockPanel::hourHand(const QSize &face, int hour, int minute)
{
    const QPoint centre(face.width() / 2, face.height() / 2);
    return rotated(QPoint(face.width() / 2, face.height() / 3), centre, (hour % 12) * 30 + minute / 2);
}

QPoint ExternalClockPanel::minuteHand(const QSize &face, int minute)
{
    const QPoint centre(face.width() / 2, face.height() / 2);
    return rotated(QPoint(face.width() / 2, face.height() / 5), centre, minute * 6);
}

void ExternalClockPanel::drawAnalog(QPainter &painter, const QRect &area)
{
    const QTime now = ZSystemClock::currentDateTime().time();
    QSize face(faceSize, faceSize);
    painter.save();
    painter.translate(area.center().x() - faceSize / 2, area.center().y() - faceSize / 2);
    if (m_face.isNull()) {
        // A theme without the face icon still shows the hands on a plain dial.
        painter.setPen(QPen(Qt::white, 2));
        painter.drawEllipse(QRect(QPoint(1, 1), face - QSize(2, 2)));
    } else {
        face = m_face.size();
        painter.drawPixmap(0, 0, m_face);
    }
    const int colour = HomeScreenTheme::readIdleValue(QStringLiteral("AnalogClockHands_Color"), 0xffffff);
    const int width = qBound(1, HomeScreenTheme::readIdleValue(QStringLiteral("AnalogClockHands_Width"), 2), 8);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(QRgb(colour)), width, Qt::SolidLine, Qt::RoundCap));
    const QPoint centre(face.width() / 2, face.height() / 2);
    painter.drawLine(centre, hourHand(face, now.hour(), now.minute()));
    painter.drawLine(centre, minuteHand(face, now.minute()));
    painter.restore();
}

void ExternalClockPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x0b, 0x0b, 0x0e));
    painter.setPen(QColor(0x80, 0x88, 0x90));
    QFont small = font();
    small.setPixelSize(11);
    painter.setFont(small);
    painter.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignTop,
                     RES_TEXT("TXT_RID_HEADER_EXTERNAL_DISPLAY", "External display"));
    const QRect area = rect().adjusted(0, 14, 0, 0);
    if (m_style == Analog) {
        drawAnalog(painter, area);
        return;
    }
    QFont large = font();
    large.setPixelSize(44);
    large.setBold(true);
    painter.setFont(large);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter, UTIL_DateTime::timeToString(ZSystemClock::currentDateTime().time()));
}
