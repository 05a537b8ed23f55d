#ifndef ZKBMAINWIDGET_H
#define ZKBMAINWIDGET_H

#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class ZScrollPanel;
class ZSoftKey;

// A full-screen window: a title bar, a content area and a soft-key bar. It is always a window
// of its own, even with a parent, and takes the size of the screen. The handset's F1 and F2
// keys press the left and right soft keys.
class ZKbMainWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ZKbMainWidget(QWidget *parent = nullptr, const char *name = nullptr,
                           Qt::WindowFlags flags = Qt::WindowFlags());
    ~ZKbMainWidget() override;

    // Both name the text of the title bar; the later call wins.
    void setAppTitle(const QString &title);
    QString appTitle() const;
    void setMainWidgetTitle(const QString &title);
    QString mainWidgetTitle() const;

    // The window's scroll panel; with create, made (and shown as content when there is no
    // other content yet) on first use. Null when it does not exist and create is false.
    ZScrollPanel *getContentWidget(bool create = false);
    // Shows a widget in the content area in place of the previous one, which is hidden but
    // kept. A widget that already sits inside the shown content (a detail view on the scroll
    // panel's viewport, say) stays where it is.
    void setContentWidget(QWidget *widget);
    QWidget *contentWidget() const;

    // Installs the soft-key bar; a previous one is deleted. With create, getSoftKey makes a
    // "CST_2" bar when there is none.
    void setSoftKey(ZSoftKey *softKey);
    ZSoftKey *getSoftKey(bool create = false);

signals:
    // The handset's Clear key (Backspace on a desktop keyboard) pressed on the window.
    void clearKeyClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showTitle(const QString &title);

    QString m_appTitle;
    QString m_mainWidgetTitle;
    QLabel *m_titleBar;
    QWidget *m_contentArea;
    QVBoxLayout *m_contentLayout;
    QWidget *m_softKeyArea;
    QVBoxLayout *m_softKeyLayout;
    QPointer<ZScrollPanel> m_scrollPanel;
    QPointer<QWidget> m_content;
    QPointer<ZSoftKey> m_softKey;
};

#endif
