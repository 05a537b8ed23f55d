#ifndef HSPLUGINCLOCKSETTINGINFO_H
#define HSPLUGINCLOCKSETTINGINFO_H

#include <hspluginsettinginfo.h>

// The clock library's entry in the home-screen settings: the external clock style popup.
class HSPluginClockSettingInfo : public HSPluginSettingInfo
{
public:
    QString getSettingIcon() override;
    QString getSettingTitle() override;
    void showSettingWidget(QWidget *parent) override;
};

#endif
