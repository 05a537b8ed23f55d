#ifndef AZAAN_ISLAMIC_EVENTS_H
#define AZAAN_ISLAMIC_EVENTS_H

#include "detailscreen.h"

#include <zkbmainwidget.h>

// The Islamic Calendar screen: the seven Islamic events that follow today, with their dates.
class Azaan_Islamic_Events : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit Azaan_Islamic_Events(QWidget *parent = nullptr, const char *name = nullptr);
    ~Azaan_Islamic_Events() override;

public slots:
    void slotBack();

private:
    DetailScreen m_frame;
};

#endif
