#ifndef AZAAN_PRAYER_TIME_H
#define AZAAN_PRAYER_TIME_H

#include "detailscreen.h"

#include <zkbmainwidget.h>

// The Prayer Times screen: today's five prayer times for the configured city and method,
// computed once when the screen is built.
class Azaan_Prayer_Time : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit Azaan_Prayer_Time(QWidget *parent = nullptr, const char *name = nullptr);
    ~Azaan_Prayer_Time() override;

    // A time of the list: the user's format without the seconds, "--:--" when there is none.
    static QString timeText(bool found, int hour, int minute);

public slots:
    void slotBack();

private:
    DetailScreen m_frame;
};

#endif
