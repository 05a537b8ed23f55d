#ifndef AZAAN_ISLAMIC_EVENTS_H
#define AZAAN_ISLAMIC_EVENTS_H

#include <zkbmainwidget.h>

class QVBoxLayout;
class ZDetailView;

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
    void fillRows();

    QVBoxLayout *m_layout = nullptr;
    ZDetailView *m_detailView = nullptr;
};

#endif
