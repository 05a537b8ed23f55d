#ifndef ZSINGLESELECTDLG_H
#define ZSINGLESELECTDLG_H

#include "zkbmainwidget.h"

#include <QStringList>

class ZListBox;

// A modal one-of-many choice: a full-screen list with radio marks, "Select" on the left soft
// key and "Cancel" on the right. Return (or Select) on a row accepts that row; F2 or Escape
// cancels. Under a ZDialogScript the dialog answers from the script instead.
class ZSingleSelectDlg : public ZKbMainWidget
{
    Q_OBJECT
public:
    // format: the rows' format, "%R%M" or, with an icon per row, "%R%I%M".
    explicit ZSingleSelectDlg(const QString &title, const QString &prompt = QString(),
                              QWidget *parent = nullptr, const char *name = nullptr,
                              const QString &format = QStringLiteral("%R%M"));
    ~ZSingleSelectDlg() override;

    void addItemsList(const QStringList &items);
    ZListBox *getListBox() const;
    // Marks the entry of the current value; it is also the first current row.
    void setCheckedItem(int index);

    // 1 when accepted, 0 when cancelled.
    int exec();
    // The entry the user chose; before exec, the checked one; -1 for none.
    int getCheckedItemIndex() const;

public slots:
    void slotAccept();
    void slotCancel();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void slotSelected(int index);

private:
    void done(int result);

    ZListBox *m_listBox;
    int m_chosen = -1;
    int m_result = 0;
    bool m_running = false;
};

#endif
