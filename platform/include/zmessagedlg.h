#ifndef ZMESSAGEDLG_H
#define ZMESSAGEDLG_H

#include "zkbmainwidget.h"

class QLabel;

// A modal message box: a title, a text and an "OK" soft key. The type is the handset's
// (2: an error notice); any key that presses a soft key, Return or Escape closes it. Under a
// ZDialogScript it is recorded and acknowledged at once.
class ZMessageDlg : public ZKbMainWidget
{
    Q_OBJECT
public:
    ZMessageDlg(const QString &title, const QString &text, int type = 0, int timeout = 0,
                QWidget *parent = nullptr, const char *name = nullptr);
    ~ZMessageDlg() override;

    QString text() const;
    int type() const;
    int exec();

public slots:
    void slotOk();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label;
    int m_type;
    int m_timeout;
    bool m_running = false;
};

#endif
