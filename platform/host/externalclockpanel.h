#ifndef EXTERNALCLOCKPANEL_H
#define EXTERNALCLOCKPANEL_H

#include <qcopchannel.h>

#include <QPixmap>
#include <QWidget>

class QTimer;

// The simulator's stand-in for the phone's external (cover) display: a small clock that follows
// the style the clock settings announce on "Plugin/Cli" ("digital" or "analog"). It starts with
// the stored "ClockMode" and keeps to the minute with the platform clock.
class ExternalClockPanel : public QWidget
{
    Q_OBJECT
public:
    enum Style {
        Digital,
        Analog,
    };

    explicit ExternalClockPanel(QWidget *parent = nullptr);
    ~ExternalClockPanel() override;

    Style style() const { return m_style; }
    void setStyle(Style style);

    // Hand end points of the analog face for a time, on a face of the given size: the hour hand
    // to (W/2, H/3) and the minute hand to (W/2, H/5), turned clockwise about the centre.
    static QPoint hourHand(const QSize &face, int hour, int minute);
    static QPoint minuteHand(const QSize &face, int minute);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void message(const QCString &message, const QByteArray &data);
    void refresh();

private:
    void drawAnalog(QPainter &painter, const QRect &area);

    Style m_style = Digital;
    QCopChannel *m_cli;
    QCopChannel *m_system;
    QTimer *m_minuteTimer;
    QPixmap m_face;
};

#endif
