#ifndef ZLISTBOX_H
#define ZLISTBOX_H

#include <QList>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class ZListBox;

// One row of a ZListBox. A row has up to two lines; each line holds texts by region (region 0
// at the leading edge, region 1 at the trailing edge), and the row may carry pixmaps, a number
// the owner chooses (reserved data), an enabled state and a check mark.
class ZListBoxItem
{
public:
    explicit ZListBoxItem(ZListBox *listBox = nullptr, const QString &text = QString());
    virtual ~ZListBoxItem();

    // Sets the text of a line's region; returns the region. The flag and number are the
    // handset's truncation and show-priority hints, accepted and kept only.
    int appendSubItem(int line, const QString &text, bool truncate = false, int region = 0);
    void setSubItem(int line, int region, const QString &text);
    QString subItemText(int line, int region) const;

    void setPixmap(int index, const QPixmap &pixmap);
    QPixmap pixmap(int index) const;

    void setReservedData(unsigned int data);
    unsigned int getReservedData() const;

    void setEnabled(bool enabled);
    bool isEnabled() const;

    ZListBox *listBox() const;

private:
    friend class ZListBox;
    ZListBox *m_listBox = nullptr;
    QMap<int, QString> m_lines[2];
    QMap<int, QPixmap> m_pixmaps;
    unsigned int m_reserved = 0;
    bool m_enabled = true;
    bool m_checked = false;
};

// A row with a label region (0) and a value region (1) on line 0, as in settings screens.
class ZSettingItem : public ZListBoxItem
{
public:
    explicit ZSettingItem(ZListBox *listBox = nullptr, const QString &format = QString());
    ~ZSettingItem() override;

    QString label() const { return subItemText(0, 0); }
    QString value() const { return subItemText(0, 1); }
};

// A list of rows, one of them current. Row formats: "%M" (texts only), "%I%M" (pixmap 0 before
// the texts), "%R%M" (a radio mark before the texts). Up and Down move the current row, Return
// (or Select) emits selected(int) for an enabled row, as does a tap. The list owns its rows.
class ZListBox : public QWidget
{
    Q_OBJECT
public:
    explicit ZListBox(const QString &format = QStringLiteral("%M"), QWidget *parent = nullptr,
                      int skinWidgetClass = 0, const char *name = nullptr);
    ~ZListBox() override;

    QString format() const;
    int skinWidgetClass() const;

    // Takes ownership; index -1 appends. A row that is already in a list stays where it is.
    void insertItem(ZListBoxItem *item, int index = -1, bool autoHighlight = true);
    void clear();
    int count() const;
    ZListBoxItem *item(int index) const;
    int index(const ZListBoxItem *item) const;

    int currentItem() const;
    // Out-of-range indexes are ignored. With select, highlighted(int) is emitted.
    void setCurrentItem(int index, bool select = true);

    // Radio lists hold one checked row; other lists a check mark per row.
    void checkItem(int index, bool checked = true);
    bool isChecked(int index) const;
    int checkedItem() const;

    // Marquee scrolling of a region: kept as a hint; long texts are elided.
    void enableMarquee(int region, bool enable);
    // Keeps the current row in view.
    void ensureCurrentVisible();
    int rowHeight() const;
    int topRow() const;

    // The list emits selected for its current row, as Return would.
    void selectCurrent();

    // Called by rows when their texts change.
    void itemChanged(ZListBoxItem *item);

signals:
    void selected(int index);
    void highlighted(int index);
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ZListBoxItem;
    void forget(ZListBoxItem *item);
    void updateDumpText();
    bool hasSecondLine() const;

    QString m_format;
    int m_skinWidgetClass;
    std::vector<std::unique_ptr<ZListBoxItem>> m_items;
    int m_current = -1;
    int m_top = 0;
    bool m_clearing = false;
};

#endif
