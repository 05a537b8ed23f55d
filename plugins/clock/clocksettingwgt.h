#ifndef CLOCKSETTINGWGT_H
#define CLOCKSETTINGWGT_H

#include <zsingleselectdlg.h>

class ZListBox;

// "External Clock Style": digital or analog, for the clock of the phone's external display. The
// choice is stored the moment it is accepted and announced to the external display and the
// home-screen framework.
class ClockSettingWgt : public ZSingleSelectDlg
{
    Q_OBJECT
public:
    explicit ClockSettingWgt(QWidget *parent = nullptr, const char *name = nullptr);
    ~ClockSettingWgt() override;

    // Runs the popup; when it is accepted on a row, stores and announces that row. 1 when
    // accepted, as the popup answers.
    int exec();

    // The stored style when the popup opened: Digital 0, Analog 1, Off 2, Stylish 3.
    int styleAtOpen() const { return m_styleAtOpen; }

private:
    void accept();

    ZListBox *listBox;
    int m_styleAtOpen;
};

#endif
