#ifndef HSPLUGINSETTINGINFO_H
#define HSPLUGINSETTINGINFO_H

#include <QString>

class QWidget;

// What a settings library offers hssetting_app: a row title and icon and its screen. The
// program calls these through the dispatch table, so their order binds every library: never
// reorder, insert or remove an operation.
class HSPluginSettingInfo
{
public:
    virtual ~HSPluginSettingInfo() {}

    // Path of the row's icon; empty for none.
    virtual QString getSettingIcon() = 0;
    // The row's title, translated.
    virtual QString getSettingTitle() = 0;
    // Builds and shows the screen; returns when the screen has closed.
    virtual void showSettingWidget(QWidget *parent) = 0;
};

// Every settings library exports this with C linkage. It returns a new descriptor that the
// caller owns and deletes before closing the library, or null when there are no settings now.
#define HS_SETTING_EXPORT extern "C" __attribute__((visibility("default")))

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *owner);

typedef HSPluginSettingInfo *(*HSGetSettingInfoFunction)(QWidget *owner);

#endif
