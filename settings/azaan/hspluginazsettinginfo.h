#ifndef HSPLUGINAZSETTINGINFO_H
#define HSPLUGINAZSETTINGINFO_H

#include <hspluginsettinginfo.h>

#include <QObject>

// The Azaan settings entry of hssetting_app: its title and the screen it opens.
class HSPluginAZSettingInfo : public QObject, public HSPluginSettingInfo
{
    Q_OBJECT
public:
    explicit HSPluginAZSettingInfo(QObject *parent = nullptr);
    ~HSPluginAZSettingInfo() override;

    QString getSettingIcon() override;
    QString getSettingTitle() override;
    void showSettingWidget(QWidget *parent) override;

    // The icon of the plugin build's entry.
    static const char IconPath[];
};

#endif
