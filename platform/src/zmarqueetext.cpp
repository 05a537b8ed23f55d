#include "zmarqueetext.h"
#include "zheadless.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

const int fallbackInterval = 200;
// A faster timer would only burn the battery: the eye cannot follow it on this screen.
const int shortestInterval = 20;
const int longestPause = 10 * 60 * 1000;

} // namespace

ZMarqueeText::ZMarqueeText()
    : m_timer(new QTimer(this))
{
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &ZMarqueeText::tick);
}

ZMarqueeText::~ZMarqueeText()
{
    // The proxy lives in the parent's tree; take it out unless the parent took it already.
    delete m_dumpProxy.data();
}

void ZMarqueeText::setParent(QWidget *parent)
{
    if (m_parent == parent)
        return;
    delete m_dumpProxy.data();
    m_parent = parent;
    if (parent) {
        m_dumpProxy = new QObject(parent);
        m_dumpProxy->setObjectName(QStringLiteral("ZMarqueeText"));
    }
    updateDumpText();
}

QWidget *ZMarqueeText::parentWidget() const
{
    return m_parent.data();
}

void ZMarqueeText::setGeometry(const QRect &rect)
{
    if (m_geometry == rect)
        return;
    m_geometry = rect;
    restartScrolling();
}

QRect ZMarqueeText::geometry() const
{
    return m_geometry;
}

void ZMarqueeText::setFont(const QFont &font)
{
    if (m_font == font)
        return;
    m_font = font;
    restartScrolling();
}

QFont ZMarqueeText::font() const
{
    return m_font;
}

void ZMarqueeText::setText(const QString &text)
{
    // Plugins set the same text on every refresh; that must not throw the scroll back.
    if (m_text == text)
        return;
    m_text = text;
    updateDumpText();
    restartScrolling();
}

QString ZMarqueeText::text() const
{
    return m_text;
}

void ZMarqueeText::start(int step, int interval, int startDelay, int endDelay, bool loop)
{
    m_step = qMax(1, step);
    m_interval = interval <= 0 ? fallbackInterval : qMax(shortestInterval, interval);
    m_startDelay = qBound(0, startDelay, longestPause);
    m_endDelay = qBound(0, endDelay, longestPause);
    m_loop = loop;
    m_started = true;
    m_timer->setInterval(m_interval);
    restartScrolling();
}

void ZMarqueeText::stop()
{
    m_started = false;
    m_timer->stop();
    m_offset = 0;
    m_pause = 0;
}

bool ZMarqueeText::isStarted() const
{
    return m_started;
}

bool ZMarqueeText::isScrolling() const
{
    return m_timer->isActive();
}

int ZMarqueeText::offset() const
{
    return m_offset;
}

int ZMarqueeText::maximumOffset() const
{
    if (m_geometry.width() <= 0)
        return 0;
    const int width = QFontMetrics(m_font).horizontalAdvance(m_text);
    return qMax(0, width - m_geometry.width());
}

bool ZMarqueeText::fits() const
{
    return maximumOffset() == 0;
}

bool ZMarqueeText::advance()
{
    const int maximum = maximumOffset();
    if (!m_started || maximum == 0) {
        m_timer->stop();
        const bool changed = m_offset != 0;
        m_offset = 0;
        return changed;
    }
    if (m_pause > 0) {
        --m_pause;
        return false;
    }
    if (m_offset >= maximum) {
        // The end has been shown for its pause.
        if (!m_loop) {
            m_timer->stop();
            return false;
        }
        m_offset = 0;
        m_pause = ticksFor(m_startDelay);
        return true;
    }
    m_offset = qMin(m_offset + m_step, maximum);
    if (m_offset == maximum)
        m_pause = ticksFor(m_endDelay);
    return true;
}

void ZMarqueeText::paint(QPainter *painter, int alignment, const QString &ellipsis, const QRect *clip,
                         bool outline, const QColor &outlineColor, int outlineWidth)
{
    if (!painter || !painter->isActive() || m_geometry.isEmpty() || m_text.isEmpty())
        return;
    QRect area = m_geometry;
    if (clip)
        area &= *clip;
    if (area.isEmpty())
        return;

    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setFont(m_font);

    const Qt::Alignment align = toQtAlignment(alignment);
    QRect textRect = m_geometry;
    QString shown = m_text;
    Qt::Alignment flags = align;
    if (!fits()) {
        if (m_started && m_offset > 0) {
            // Scrolling: the whole text, moved left, cut by the clip.
            textRect = QRect(m_geometry.x() - m_offset, m_geometry.y(),
                             QFontMetrics(m_font).horizontalAdvance(m_text), m_geometry.height());
            flags = Qt::AlignAbsolute | Qt::AlignLeft | (align & Qt::AlignVertical_Mask);
        } else {
            shown = elided(ellipsis, m_geometry.width());
        }
    }
    const int textFlags = int(flags) | Qt::TextSingleLine;

    if (outline && outlineWidth > 0) {
        const QPen pen = painter->pen();
        painter->setPen(outlineColor);
        const int width = qMin(outlineWidth, 4);
        for (int dx = -width; dx <= width; ++dx) {
            for (int dy = -width; dy <= width; ++dy) {
                if (dx || dy)
                    painter->drawText(textRect.translated(dx, dy), textFlags, shown);
            }
        }
        painter->setPen(pen);
    }
    painter->drawText(textRect, textFlags, shown);
    painter->restore();
}

Qt::Alignment ZMarqueeText::toQtAlignment(int code)
{
    // Callers pick left or right from the language themselves: never mirror their choice.
    Qt::Alignment result = Qt::AlignAbsolute;
    if (code & 0x2)
        result |= Qt::AlignRight;
    else if (code & 0x4)
        result |= Qt::AlignHCenter;
    else
        result |= Qt::AlignLeft;
    if (code & 0x8)
        result |= Qt::AlignTop;
    else if (code & 0x10)
        result |= Qt::AlignBottom;
    else
        result |= Qt::AlignVCenter;
    return result;
}

void ZMarqueeText::restartScrolling()
{
    m_offset = 0;
    m_pause = ticksFor(m_startDelay);
    if (m_started && !fits())
        m_timer->start();
    else
        m_timer->stop();
}

void ZMarqueeText::updateDumpText()
{
    ZHeadless::setDumpText(this, m_text);
    if (m_dumpProxy)
        ZHeadless::setDumpText(m_dumpProxy.data(), m_text);
}

void ZMarqueeText::tick()
{
    // Nothing to see while the widget is hidden; the model resumes where it stood.
    if (m_parent && !m_parent->isVisible())
        return;
    if (advance() && m_parent)
        m_parent->update(m_geometry);
}

QString ZMarqueeText::elided(const QString &ellipsis, int width) const
{
    const QFontMetrics metrics(m_font);
    if (metrics.horizontalAdvance(m_text) <= width)
        return m_text;
    if (metrics.horizontalAdvance(ellipsis) > width)
        return QString();
    // The longest head of the text that fits with the ellipsis; a binary search, as texts
    // from other programs may be long.
    int low = 0;
    int high = m_text.size();
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(m_text.left(middle) + ellipsis) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    // Never cut a surrogate pair in half.
    if (low > 0 && low < m_text.size() && m_text.at(low).isLowSurrogate())
        --low;
    return m_text.left(low) + ellipsis;
}

int ZMarqueeText::ticksFor(int milliseconds) const
{
    return (milliseconds + m_interval - 1) / m_interval;
}
