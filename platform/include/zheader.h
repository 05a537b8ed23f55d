#ifndef ZHEADER_H
#define ZHEADER_H

#include <QSize>
#include <QString>
#include <QWidget>

class QTimer;

// The status header at the top of the screen: signal strength, operator name, time and
// battery. The phone state comes from "/tmp/vyn_phone.cfg" (group "Network": "OperatorName",
// "Signal" 0 to 5; group "Battery": "Level" 0 to 4, "Charging"), the time from ZSystemClock.
// The standard header reads them again on the phone's change notice and when the clock or
// its format is set, not only at each minute.
class ZHeader : public QWidget
{
    Q_OBJECT
public:
    enum Type {
        Title = 1,
        Standard = 2,   // the idle screen's status header
    };

    explicit ZHeader(int type = Standard, QWidget *parent = nullptr, const char *name = nullptr, int flags = 0);
    ~ZHeader() override;

    int type() const;
    // Width and height of a header of the given type on this screen.
    static QSize headerSize(int type);

    QString operatorName() const;
    int signalLevel() const;
    int batteryLevel() const;
    bool isCharging() const;
    QString timeText() const;

    QSize sizeHint() const override;

public slots:
    // Re-reads the phone state and the time, and repaints.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void scheduleMinute();

    int m_type;
    QTimer *m_minuteTimer;
    QString m_operatorName;
    int m_signal = 0;
    int m_battery = 0;
    bool m_charging = false;
    QString m_time;
};

#endif
