#ifndef HSSCSETTING_H
#define HSSCSETTING_H

#include <hspluginsettinginfo.h>

class HSPluginShortcutSetup;

// The shortcut library's entry in the home-screen settings: the "Icons" screen. It keeps the
// shared settings object alive while it exists.
class HSSCSetting : public HSPluginSettingInfo
{
public:
    HSSCSetting();
    ~HSSCSetting() override;

    HSSCSetting(const HSSCSetting &) = delete;
    HSSCSetting &operator=(const HSSCSetting &) = delete;

    QString getSettingIcon() override;
    QString getSettingTitle() override;
    void showSettingWidget(QWidget *parent) override;

private:
    HSPluginShortcutSetup *setup;
};

#endif
