#ifndef CHANGEWALLPAPERINFO_H
#define CHANGEWALLPAPERINFO_H

#include <hspluginsettinginfo.h>

#include <QString>
#include <QStringList>

#include <memory>

class FILEHUB_InsertDlg;

// "Change Wallpaper": no screen of its own, the file browser's insert dialog over the image
// folder; the chosen picture becomes the wallpaper.
class ChangeWallPaperInfo : public HSPluginSettingInfo
{
public:
    QString getSettingIcon() override;
    QString getSettingTitle() override;
    void showSettingWidget(QWidget *parent) override;
};

// The dialog for one run of the setting, from building it to applying the choice.
class ChangeWallPaperPicker
{
public:
    ChangeWallPaperPicker();
    ~ChangeWallPaperPicker();

    // "*." and each image extension of the platform, in its order.
    static QStringList filters();

    void build();
    // Runs the dialog; a chosen picture is applied as the wallpaper. The chosen path, or empty.
    QString runAndApply();
    void destroy();

private:
    std::unique_ptr<FILEHUB_InsertDlg> dialog;
};

#endif
