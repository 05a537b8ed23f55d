#ifndef SET_MAINWIDGET_H
#define SET_MAINWIDGET_H

#include <hsset_pluginitem.h>
#include <qcopchannel.h>
#include <zkbmainwidget.h>

class ZListBox;

// The main screen of hssetting_app: one row per catalogue entry that has a title. Picking a
// row opens the entry's screen; framework messages refresh the rows.
class SET_MainWidget : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit SET_MainWidget(QWidget *parent = nullptr, const char *name = nullptr,
                            Qt::WindowFlags flags = Qt::WindowFlags());
    ~SET_MainWidget() override;

    ZListBox *listBox() const;
    void fillList();

public slots:
    void slotRightSFKey();
    void slotListItemClicked(int index);
    void processHSFrameWorkMsg(const QCString &message, const QByteArray &data);

private:
    HSSET_PluginList *entries;
    ZListBox *list;
    QCopChannel *channel;
};

#endif
