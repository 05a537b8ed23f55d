#ifndef ZDETAILVIEW_H
#define ZDETAILVIEW_H

#include <QList>
#include <QWidget>

class QVBoxLayout;
class ZDetailItem;

// A list of title/text rows with separators, as on a details screen. The view is as tall as
// its rows; put it in a ZScrollPanel to scroll.
class ZDetailView : public QWidget
{
    Q_OBJECT
public:
    explicit ZDetailView(QWidget *parent = nullptr, int skinWidgetClass = 0, const char *name = nullptr);
    ~ZDetailView() override;

    int skinWidgetClass() const;

    // The view takes the item as its child. Adding an item that is already shown moves it.
    void addItem(ZDetailItem *item);
    void insertItem(ZDetailItem *item, int index = -1);
    // Takes the item out without deleting it; the caller owns it then.
    ZDetailItem *takeItem(int index);

    int count() const;
    ZDetailItem *item(int index) const;
    QList<ZDetailItem *> items() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class ZDetailItem;
    void forgetItem(ZDetailItem *item);

    QVBoxLayout *m_layout;
    QList<ZDetailItem *> m_items;
    int m_skinWidgetClass;
};

#endif
