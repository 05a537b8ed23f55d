#include "changewallpaperinfo.h"

#include <filehub_fixedfolder.h>
#include <filehub_insertdlg.h>
#include <setup_theme.h>
#include <util_mimetype.h>
#include <zresource.h>

QString ChangeWallPaperInfo::getSettingIcon()
{
    return QString();
}

QString ChangeWallPaperInfo::getSettingTitle()
{
    return ZResource::text("ChangeWallPaperInfo", "TXT_RID_OPTION_CHANGE_WALLPAPER", "Change Wallpaper");
}

void ChangeWallPaperInfo::showSettingWidget(QWidget *)
{
    ChangeWallPaperPicker picker;
    picker.build();
    picker.runAndApply();
    picker.destroy();
}

ChangeWallPaperPicker::ChangeWallPaperPicker() = default;

ChangeWallPaperPicker::~ChangeWallPaperPicker() = default;

QStringList ChangeWallPaperPicker::filters()
{
    QStringList result;
    for (const QString &extension : UTIL_MimeType::queryMpSupportedExtensions(UTIL_MimeType::Image))
        result << QStringLiteral("*.") + extension;
    return result;
}

void ChangeWallPaperPicker::build()
{
    const QString folder = FILEHUB_FixedFolder::getPathByKey(QStringLiteral("image"), false);
    dialog = std::make_unique<FILEHUB_InsertDlg>(
            FILEHUB_InsertDlg::Picture, filters(), folder,
            ZResource::text("ChangeWallPaperInfo", "HS_TEMP", "Change Wallpaper Dlg"), nullptr, false, nullptr,
            true, Qt::WindowFlags());
}

QString ChangeWallPaperPicker::runAndApply()
{
    if (!dialog)
        return QString();
    const QString path = dialog->exec() == 1 ? dialog->getSelectedFile() : QString();
    if (!path.isEmpty())
        SETUP_THEME::applyElement(SETUP_THEME::WallpaperElement, path, 0);
    return path;
}

void ChangeWallPaperPicker::destroy()
{
    dialog.reset();
}

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
    return new ChangeWallPaperInfo;
}
