#ifndef HSSCPLUGINWIDGET_H
#define HSSCPLUGINWIDGET_H

#include "hspluginshortcutsetup.h"

#include <qcopchannel.h>

#include <QPixmap>
#include <QWidget>

#include <array>

// The shortcuts' drawing on the idle screen: a widget the size of the container, painted from
// an off-screen buffer of the icons alone, so the wallpaper (and any plugin under the cross)
// shows around them. It holds the shared settings object for its whole life. When the icons are
// switched off nothing is drawn until a key reveals them.
class HSSCPluginWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool revealed READ isRevealed)
    Q_PROPERTY(int selectedIcon READ selectedIcon)
    Q_PROPERTY(int repaintCount READ repaintCount)
public:
    explicit HSSCPluginWidget(QWidget *container);
    ~HSSCPluginWidget() override;

    // 0 when the key was taken, 1 when the host should have it.
    virtual int keyEvent(int &phase, int key) = 0;
    // The highlight goes, and icons that were only revealed hide again.
    void dropHighlight();

    bool isRevealed() const { return revealed; }
    int selectedIcon() const { return m_selectedIcon; }
    int repaintCount() const { return m_repaints; }
    bool iconsVisible() const;

public slots:
    virtual void slotRePaint() = 0;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual bool iconsLoaded() const = 0;

    HSPluginShortcutSetup *setup;
    QPixmap buffer;
    QCopChannel *launcherChannel;
    bool revealed = false;
    int m_selectedIcon = -1;
    int m_repaints = 0;

private slots:
    void slotLauncherMessage(const QCString &message, const QByteArray &data);
};

// Four icons in a cross, one per direction key; the key's icon is drawn highlighted and its
// application starts.
class HSSCQuadStylePluginWidget : public HSSCPluginWidget
{
    Q_OBJECT
public:
    explicit HSSCQuadStylePluginWidget(QWidget *container);
    ~HSSCQuadStylePluginWidget() override;

    int keyEvent(int &phase, int key) override;

public slots:
    void slotRePaint() override;

protected:
    bool iconsLoaded() const override { return m_loaded; }

private:
    // Reads the images of the positions whose application changed since the last load.
    void loadIcons();
    void updateDumpText();

    std::array<ShortcutEntry, HSPluginShortcutSetup::PositionCount> shown;
    std::array<QPixmap, HSPluginShortcutSetup::PositionCount> highlightedImages;
    std::array<QPixmap, HSPluginShortcutSetup::PositionCount> normalImages;
    bool m_loaded = false;
};

#endif
