#ifndef HSSET_PLUGINITEM_H
#define HSSET_PLUGINITEM_H

#include "hspluginsettinginfo.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <memory>
#include <vector>

class QWidget;
class SettingLibrary;
class HSSET_PluginItem;

using HSSET_PluginList = std::vector<std::unique_ptr<HSSET_PluginItem>>;

// One settings library of the catalogue "hssetting.xml": its catalogue element, the libraries
// it loads on first need and the descriptor it holds. A descriptor that is replaced while its
// screen runs is kept until that screen returns; every descriptor is deleted before the entry
// closes its libraries.
class HSSET_PluginItem
{
public:
    // The catalogue in use: the download folder's copy when there is one, else the system's.
    static QString catalogueDevicePath();
    // Fills the list from the catalogue, ordered by display order (equal orders keep catalogue
    // order). A missing, unreadable, oversized, too deeply nested or malformed catalogue gives
    // an empty list and a log line.
    static void readCatalogue(HSSET_PluginList &list);
    static void readCatalogue(HSSET_PluginList &list, const QString &hostPath);

    explicit HSSET_PluginItem(const QDomElement &plugin);
    virtual ~HSSET_PluginItem();

    HSSET_PluginItem(const HSSET_PluginItem &) = delete;
    HSSET_PluginItem &operator=(const HSSET_PluginItem &) = delete;

    // Text of the first child element of that name; empty when there is none.
    QString text(const QString &child) const;
    QString pluginName() const;
    int order() const;

    bool isFlexActive(QWidget *owner);
    QString getPromptText(QWidget *owner);
    QString getIconPath(QWidget *owner);
    QString getSubPromptText() const;
    // Whether the entry's library is there to load (a switched entry counts when its
    // alternative library is); entries of libraries not installed yet are not listed.
    bool isInstalled() const;
    virtual void loadSettingInfo(QWidget *owner);
    virtual void reloadSettingInfo(QWidget *owner);

    HSPluginSettingInfo *descriptor() const;
    // Runs the descriptor's screen; false when there is no descriptor.
    bool showSettingWidget(QWidget *parent);

private:
    void setDescriptor(HSPluginSettingInfo *fresh);
    void forgetLibrary(std::unique_ptr<SettingLibrary> &handle);
    bool flexSwitch() const;

    QDomDocument document;
    QDomElement element;
    std::unique_ptr<SettingLibrary> library;
    std::unique_ptr<SettingLibrary> flexLibrary;
    qint32 displayOrder = 0;
    HSPluginSettingInfo *settingInfo = nullptr;

    // Descriptors whose screens are running, and replaced ones waiting for theirs to return.
    std::vector<HSPluginSettingInfo *> m_showing;
    std::vector<HSPluginSettingInfo *> m_retired;
    // Libraries the entry no longer uses; closed after every descriptor is gone.
    std::vector<std::unique_ptr<SettingLibrary>> m_oldLibraries;
};

#endif
