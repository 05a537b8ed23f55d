#ifndef ZMARQUEETEXT_H
#define ZMARQUEETEXT_H

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class QPainter;
class QTimer;
class QWidget;

// One line of text drawn at a rectangle of a widget; a text too long for the rectangle scrolls
// once started. Owners keep it by value (or own it otherwise): the widget given to setParent
// is where it draws and repaints, not its owner, so either may go first.
//
// Scrolling model: after start, every timer tick calls advance(). The text waits startDelay
// ms, moves step pixels a tick until its end shows, waits endDelay ms, then starts over when
// looping. A text that fits never scrolls and no timer runs for it.
class ZMarqueeText : public QObject
{
    Q_OBJECT
public:
    ZMarqueeText();
    ~ZMarqueeText() override;

    void setParent(QWidget *parent);
    QWidget *parentWidget() const;

    void setGeometry(const QRect &rect);
    QRect geometry() const;
    void setFont(const QFont &font);
    QFont font() const;
    void setText(const QString &text);
    QString text() const;

    // step pixels per tick, interval ms per tick, pauses in ms at both ends, loop or stop.
    void start(int step, int interval, int startDelay, int endDelay, bool loop);
    void stop();
    bool isStarted() const;
    bool isScrolling() const;   // the timer runs
    int offset() const;         // pixels the text has moved left
    int maximumOffset() const;  // 0 when the text fits
    bool fits() const;
    // One tick of the model; true when the offset changed.
    bool advance();

    // Draws into the painter at the geometry, in the painter's pen colour, aligned by a toolkit
    // alignment code (0x21 left, 0x22 right, 0x24 centred, vertically centred). A long text
    // that is not scrolling ends in the ellipsis. With outline set, an outline of the given
    // colour and width goes under the text.
    void paint(QPainter *painter, int alignment, const QString &ellipsis, const QRect *clip, bool outline,
               const QColor &outlineColor, int outlineWidth);

    // Toolkit alignment codes: 1 left, 2 right, 4 centre; 8 top, 16 bottom, 32 vertical centre.
    static Qt::Alignment toQtAlignment(int code);

private:
    void restartScrolling();
    void updateDumpText();
    void tick();
    QString elided(const QString &ellipsis, int width) const;
    int ticksFor(int milliseconds) const;

    QPointer<QWidget> m_parent;
    // Carries the dump text inside the parent's object tree, so the headless dump sees it.
    QPointer<QObject> m_dumpProxy;
    QTimer *m_timer;
    QRect m_geometry;
    QFont m_font;
    QString m_text;
    bool m_started = false;
    int m_step = 1;
    int m_interval = 200;
    int m_startDelay = 1000;
    int m_endDelay = 1000;
    bool m_loop = true;
    int m_offset = 0;
    int m_pause = 0;
};

#endif
