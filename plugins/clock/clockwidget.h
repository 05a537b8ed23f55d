#ifndef CLOCKWIDGET_H
#define CLOCKWIDGET_H

#include <homescreentheme.h>
#include <qcopchannel.h>
#include <zmarqueetext.h>

#include <QFont>
#include <QPixmap>
#include <QWidget>

class HSPluginHost;

// The digital clock inside the plugin's container. Every redraw composes the buffer (the
// wallpaper under the widget and the time over it); a paint only copies the buffer.
class ClockWidget : public QWidget
{
    Q_OBJECT
    // Redraws so far: what a benchmark or a test counts.
    Q_PROPERTY(int redrawCount READ redrawCount)
    Q_PROPERTY(QString timeText READ timeText)
public:
    ClockWidget(HSPluginHost *site, QWidget *parent);
    ~ClockWidget() override;

    int redrawCount() const { return m_redraws; }
    QString timeText() const { return marquee.text(); }
    int drawingMode() const { return mode; }

    // Composes the buffer and asks for a paint.
    void drawClock();
    // Proposes the clock's box at the container's top right edge to the host; true when the
    // host took it.
    bool adjustGeometry();
    // Back after the host showed the plugin again: the whole container, digital, redrawn.
    void requestShow();
    void loadDigitalFont();

public slots:
    void slotUpdate();
    void slotTimeFormatChange(const QCString &message, const QByteArray &data);
    void slotClockFormatChange(const QCString &message, const QByteArray &data);
    void slotThemeChanged(const QCString &message, const QByteArray &data);
    void slotMyFavesUpdateSetting(const QCString &message, const QByteArray &data);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Draws the buffer without asking for a paint.
    void compose();
    void drawDigitalClock();
    QWidget *container() const;

    HSPluginHost *site;
    // 0 digital; the home-screen clock has no other face.
    int mode;
    ZMarqueeText marquee;
    QPixmap faceImage;
    QPixmap buffer;
    // Where in the window the buffer's wallpaper was taken from.
    QPoint drawnAt;
    QFont font;
    IdleFontInfo fontInfo;
    int m_redraws = 0;
};

#endif
