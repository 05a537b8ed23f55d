#include "zdetailview.h"
#include "zdetailitem.h"

#include <QPainter>
#include <QVBoxLayout>

ZDetailView::ZDetailView(QWidget *parent, int skinWidgetClass, const char *name)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_skinWidgetClass(skinWidgetClass)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1); // room for the separator under each row
    m_layout->addStretch(1);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

ZDetailView::~ZDetailView() = default;

int ZDetailView::skinWidgetClass() const
{
    return m_skinWidgetClass;
}

void ZDetailView::addItem(ZDetailItem *item)
{
    insertItem(item, -1);
}

void ZDetailView::insertItem(ZDetailItem *item, int index)
{
    if (!item)
        return;
    const int current = int(m_items.indexOf(item));
    if (current >= 0) {
        m_items.removeAt(current);
        m_layout->removeWidget(item);
    }
    if (index < 0 || index > m_items.size())
        index = int(m_items.size());
    if (item->parentWidget() != this)
        item->setParent(this);
    m_items.insert(index, item);
    m_layout->insertWidget(index, item);
    // Children in row order, so that whoever walks the object tree meets them in that order.
    for (ZDetailItem *row : std::as_const(m_items))
        row->raise();
    item->show();
    update();
}

ZDetailItem *ZDetailView::takeItem(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    ZDetailItem *item = m_items.takeAt(index);
    m_layout->removeWidget(item);
    item->hide();
    item->setParent(nullptr);
    update();
    return item;
}

void ZDetailView::forgetItem(ZDetailItem *item)
{
    m_items.removeAll(item);
}

int ZDetailView::count() const
{
    return int(m_items.size());
}

ZDetailItem *ZDetailView::item(int index) const
{
    return m_items.value(index);
}

QList<ZDetailItem *> ZDetailView::items() const
{
    return m_items;
}

void ZDetailView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(0xdd, 0xe1, 0xe6));
    for (const ZDetailItem *item : std::as_const(m_items)) {
        const int y = item->geometry().bottom() + 1;
        painter.drawLine(8, y, width() - 9, y);
    }
}
