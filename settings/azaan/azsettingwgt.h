#ifndef AZSETTINGWGT_H
#define AZSETTINGWGT_H

#include <mediafilepickercallback.h>
#include <zkbmainwidget.h>

#include <QString>

class MediaFilePicker;
class ZListBox;
class ZScrollPanel;
class ZSettingItem;

// The "Custom Home Screen" settings of the Azaan view: ten rows, each stored in the Azaan
// settings file the moment it is chosen. show() returns only when the user has left the
// screen, which is then deleted.
class AZSettingWgt : public ZKbMainWidget, public MediaFilePickerCallback
{
    Q_OBJECT
public:
    explicit AZSettingWgt(QWidget *parent = nullptr, const char *name = nullptr,
                          Qt::WindowFlags flags = Qt::WindowFlags());
    ~AZSettingWgt() override;

    // Runs the screen in a nested loop until Back, applies the closing rule, closes and
    // deletes the screen.
    void show();

    void notifyHomeScreen();
    void updateItemStates();
    bool pickAlertSound();
    bool isAlertSoundValid(const QString &path);
    void onPickerDone(int status) override;

    ZListBox *listBox() const;
    ZSettingItem *rowForCode(int code) const;

public slots:
    void slotCommandDispatcher(int index);
    void slotCenterSelect(ZSettingItem *item);
    void quadStyleShortcutPicker(ZSettingItem *item, int code);
    void slotRightSFKey();

private:
    void chooseOnOff(ZSettingItem *item, int code);
    void chooseAlert(ZSettingItem *item);
    void chooseCity(ZSettingItem *item);
    void chooseAlertSound(ZSettingItem *item);
    void readStates();
    void restoreTitle();

    QString soundPath;
    bool soundPicked = false;
    MediaFilePicker *picker = nullptr;
    ZSettingItem *rows[10] = {};
    ZScrollPanel *panel;
    ZListBox *list;
    QString enabledValue;
    QString prayerValue;
    bool running = false;
};

#endif
