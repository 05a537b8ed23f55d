#ifndef ZSOFTKEY_H
#define ZSOFTKEY_H

#include <QMetaObject>
#include <QString>
#include <QWidget>

class QPushButton;

// The soft-key bar at the bottom of a full-screen window: a left key (0) and a right key (1),
// each with a text and an action. The handset's F1 and F2 keys press them (ZKbMainWidget
// forwards them); a tap on a key does the same.
class ZSoftKey : public QWidget
{
    Q_OBJECT
public:
    enum Key {
        Left = 0,
        Right = 1,
    };

    // Style names of the platform: "CST_2" and "CST_2A" (two keys). Unknown names give two keys.
    explicit ZSoftKey(const char *style = "CST_2", QWidget *parent = nullptr, const char *name = nullptr);
    ~ZSoftKey() override;

    QString style() const;

    void setText(int key, const QString &text);
    QString text(int key) const;

    // Wires a key to a slot, given as SLOT(slotBack()) or as "slotBack()"; replaces the key's
    // previous slot. False when the receiver has no such slot.
    bool setClickedSlot(int key, QObject *receiver, const char *slot);

    // Presses a key as the user would; false for a key that does not exist.
    bool click(int key);

    QSize sizeHint() const override;

signals:
    void clicked(int key);
    void leftClicked();
    void rightClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateDumpText();

    QString m_style;
    QPushButton *m_buttons[2];
    QMetaObject::Connection m_connections[2];
};

#endif
