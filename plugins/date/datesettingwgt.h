#ifndef DATESETTINGWGT_H
#define DATESETTINGWGT_H

#include <zkbmainwidget.h>

class ZListBox;
class ZScrollPanel;
class ZSettingItem;

// "Date": one row, "Date Display", On or Off. A choice is stored at once and the home-screen
// framework is asked to show or hide the date.
class DateSettingWgt : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit DateSettingWgt(QWidget *parent = nullptr);
    ~DateSettingWgt() override;

    // Shows the screen and returns when the user has left it; the screen has deleted itself by
    // then, so it is only ever made with new.
    void show();

    ZListBox *listBox() const { return m_listBox; }
    // The row's value text, "On" or "Off".
    QString displayValue() const;

public slots:
    void slotRightSFKey();
    void slotCenterSelect(int index);

private:
    ZScrollPanel *panel;
    ZListBox *m_listBox;
    ZSettingItem *row;
    bool m_running = false;
};

#endif
