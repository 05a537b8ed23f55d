#ifndef HSSCSETTINGWIDGET_H
#define HSSCSETTINGWIDGET_H

#include <zkbmainwidget.h>

class HSPluginShortcutSetup;
class ZListBox;
class ZScrollPanel;
class ZSettingItem;

// "Icons": whether the shortcut icons show, and the application on each direction key. Each
// row carries its number (0 the icon display, 1 to 4 the positions left, right, up, down), so
// rows left out by "CustomizeSetting" shift nothing. Every choice is stored at once.
class HSSCSettingWidget : public ZKbMainWidget
{
    Q_OBJECT
public:
    explicit HSSCSettingWidget(QWidget *parent = nullptr);
    ~HSSCSettingWidget() override;

    // Shows the screen and returns when the user has left it; the screen has deleted itself by
    // then, so it is only ever made with new.
    void show();

    ZListBox *listBox() const { return m_listBox; }

public slots:
    void slotRightSFKey();
    void slotCommandDispatcher(int index);

private:
    void buildRows();
    void chooseIconDisplay(ZSettingItem *row);
    void chooseApplication(ZSettingItem *row, int position);

    HSPluginShortcutSetup *setup;
    ZScrollPanel *panel;
    ZListBox *m_listBox;
    bool m_running = false;
};

#endif
