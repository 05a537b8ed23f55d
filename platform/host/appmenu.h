#ifndef APPMENU_H
#define APPMENU_H

#include <zkbmainwidget.h>

#include <QList>
#include <QString>

class ZListBox;

// The phone's application menu, opened by the idle screen's "Menu" key: the installed
// applications of the registry with their icons. Return (or Select) starts the current one
// through the launcher and closes the menu; Back closes it.
class AppMenu : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit AppMenu(QWidget *parent = nullptr);
    ~AppMenu() override;

    ZListBox *listBox() const;
    QStringList appIds() const;
    // Re-reads the registry, keeping the current application when it is still there.
    void refresh();

public slots:
    void slotLaunch();
    void slotBack();

private:
    ZListBox *m_list;
    QStringList m_ids;
};

#endif
