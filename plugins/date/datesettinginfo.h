#ifndef DATESETTINGINFO_H
#define DATESETTINGINFO_H

#include <hspluginsettinginfo.h>

// The date library's entry in the home-screen settings: the "Date" screen.
class DateSettingInfo : public HSPluginSettingInfo
{
public:
    QString getSettingIcon() override;
    QString getSettingTitle() override;
    void showSettingWidget(QWidget *parent) override;
};

#endif
