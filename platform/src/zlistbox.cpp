#include "zlistbox.h"
#include "zheadless.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

const int margin = 8;
const int iconSize = 22;
const int markSize = 12;

bool isRadio(const QString &format)
{
    return format.contains(QLatin1String("%R"));
}

bool hasIcon(const QString &format)
{
    return format.contains(QLatin1String("%I"));
}

} // namespace

ZListBoxItem::ZListBoxItem(ZListBox *listBox, const QString &text)
    : m_listBox(nullptr)
{
    Q_UNUSED(listBox);
    if (!text.isEmpty())
        m_lines[0].insert(0, text);
}

ZListBoxItem::~ZListBoxItem()
{
    if (m_listBox)
        m_listBox->forget(this);
}

int ZListBoxItem::appendSubItem(int line, const QString &text, bool, int region)
{
    setSubItem(line, region, text);
    return region;
}

void ZListBoxItem::setSubItem(int line, int region, const QString &text)
{
    if (line < 0 || line > 1 || region < 0)
        return;
    m_lines[line].insert(region, text);
    if (m_listBox)
        m_listBox->itemChanged(this);
}

QString ZListBoxItem::subItemText(int line, int region) const
{
    if (line < 0 || line > 1)
        return QString();
    return m_lines[line].value(region);
}

void ZListBoxItem::setPixmap(int index, const QPixmap &pixmap)
{
    m_pixmaps.insert(index, pixmap);
    if (m_listBox)
        m_listBox->itemChanged(this);
}

QPixmap ZListBoxItem::pixmap(int index) const
{
    return m_pixmaps.value(index);
}

void ZListBoxItem::setReservedData(unsigned int data)
{
    m_reserved = data;
}

unsigned int ZListBoxItem::getReservedData() const
{
    return m_reserved;
}

void ZListBoxItem::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_listBox)
        m_listBox->itemChanged(this);
}

bool ZListBoxItem::isEnabled() const
{
    return m_enabled;
}

ZListBox *ZListBoxItem::listBox() const
{
    return m_listBox;
}

ZSettingItem::ZSettingItem(ZListBox *listBox, const QString &)
    : ZListBoxItem(listBox)
{
}

ZSettingItem::~ZSettingItem() = default;

ZListBox::ZListBox(const QString &format, QWidget *parent, int skinWidgetClass, const char *name)
    : QWidget(parent)
    , m_format(format)
    , m_skinWidgetClass(skinWidgetClass)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf8));
    setPalette(colours);
}

ZListBox::~ZListBox()
{
    m_clearing = true;
    m_items.clear();
}

QString ZListBox::format() const
{
    return m_format;
}

int ZListBox::skinWidgetClass() const
{
    return m_skinWidgetClass;
}

void ZListBox::insertItem(ZListBoxItem *item, int index, bool autoHighlight)
{
    if (!item || item->m_listBox)
        return;
    item->m_listBox = this;
    if (index < 0 || index > count())
        index = count();
    m_items.insert(m_items.begin() + index, std::unique_ptr<ZListBoxItem>(item));
    if (m_current >= index && m_current >= 0)
        ++m_current;
    if (m_current < 0 && autoHighlight)
        m_current = 0;
    updateDumpText();
    update();
}

void ZListBox::clear()
{
    m_clearing = true;
    m_items.clear();
    m_clearing = false;
    m_current = -1;
    m_top = 0;
    updateDumpText();
    update();
}

int ZListBox::count() const
{
    return int(m_items.size());
}

ZListBoxItem *ZListBox::item(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_items[size_t(index)].get();
}

int ZListBox::index(const ZListBoxItem *item) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items[size_t(i)].get() == item)
            return i;
    }
    return -1;
}

void ZListBox::forget(ZListBoxItem *item)
{
    // A row deleted by someone else leaves the list; during clear the list deletes it itself.
    if (m_clearing)
        return;
    const int at = index(item);
    if (at < 0)
        return;
    m_items[size_t(at)].release();
    m_items.erase(m_items.begin() + at);
    if (m_current >= count())
        m_current = count() - 1;
    updateDumpText();
    update();
}

int ZListBox::currentItem() const
{
    return m_current;
}

void ZListBox::setCurrentItem(int index, bool select)
{
    if (index < 0 || index >= count())
        return;
    const bool changed = index != m_current;
    m_current = index;
    ensureCurrentVisible();
    updateDumpText();
    update();
    if (changed)
        emit currentChanged(index);
    if (select)
        emit highlighted(index);
}

void ZListBox::checkItem(int index, bool checked)
{
    ZListBoxItem *row = item(index);
    if (!row)
        return;
    if (isRadio(m_format) && checked) {
        for (const auto &other : m_items)
            other->m_checked = false;
    }
    row->m_checked = checked;
    updateDumpText();
    update();
}

bool ZListBox::isChecked(int index) const
{
    const ZListBoxItem *row = item(index);
    return row && row->m_checked;
}

int ZListBox::checkedItem() const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items[size_t(i)]->m_checked)
            return i;
    }
    return -1;
}

void ZListBox::enableMarquee(int, bool)
{
}

bool ZListBox::hasSecondLine() const
{
    for (const auto &row : m_items) {
        if (!row->m_lines[1].isEmpty())
            return true;
    }
    return false;
}

int ZListBox::rowHeight() const
{
    const int line = fontMetrics().height();
    return hasSecondLine() ? 2 * line + 12 : qMax(line + 14, iconSize + 8);
}

int ZListBox::topRow() const
{
    return m_top;
}

void ZListBox::ensureCurrentVisible()
{
    const int rows = qMax(1, height() / rowHeight());
    if (m_current < m_top)
        m_top = m_current;
    else if (m_current >= m_top + rows)
        m_top = m_current - rows + 1;
    m_top = qBound(0, m_top, qMax(0, count() - rows));
}

void ZListBox::selectCurrent()
{
    const ZListBoxItem *row = item(m_current);
    if (row && row->isEnabled())
        emit selected(m_current);
}

void ZListBox::itemChanged(ZListBoxItem *)
{
    updateDumpText();
    update();
}

void ZListBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        if (count() > 0)
            setCurrentItem(m_current <= 0 ? count() - 1 : m_current - 1);
        break;
    case Qt::Key_Down:
        if (count() > 0)
            setCurrentItem(m_current >= count() - 1 ? 0 : m_current + 1);
        break;
    case Qt::Key_PageUp:
        setCurrentItem(qMax(0, m_current - qMax(1, height() / rowHeight())));
        break;
    case Qt::Key_PageDown:
        setCurrentItem(qMin(count() - 1, m_current + qMax(1, height() / rowHeight())));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (!event->isAutoRepeat())
            selectCurrent();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ZListBox::mousePressEvent(QMouseEvent *event)
{
    const int row = m_top + event->position().toPoint().y() / rowHeight();
    if (row < 0 || row >= count())
        return;
    setCurrentItem(row);
    selectCurrent();
}

void ZListBox::wheelEvent(QWheelEvent *event)
{
    const int rows = qMax(1, height() / rowHeight());
    m_top = qBound(0, m_top - event->angleDelta().y() / 40, qMax(0, count() - rows));
    updateDumpText();
    update();
}

void ZListBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_current >= 0)
        ensureCurrentVisible();
    updateDumpText();
}

void ZListBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int h = rowHeight();
    const bool radio = isRadio(m_format);
    const bool icon = hasIcon(m_format);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QFontMetrics metrics = fontMetrics();
    QFont small = font();
    small.setPixelSize(qMax(10, font().pixelSize() - 2));

    for (int i = m_top; i < count() && (i - m_top) * h < height(); ++i) {
        const ZListBoxItem *row = m_items[size_t(i)].get();
        const QRect band(0, (i - m_top) * h, width(), h);
        const bool current = i == m_current;
        if (current)
            painter.fillRect(band, QColor(0x2f, 0x8f, 0xc8));
        painter.setPen(QColor(0xd8, 0xdd, 0xe2));
        painter.drawLine(band.bottomLeft(), band.bottomRight());

        QColor textColour = current ? QColor(Qt::white) : QColor(0x1b, 0x27, 0x33);
        if (!row->isEnabled())
            textColour = current ? QColor(0xb8, 0xcc, 0xdc) : QColor(0xa0, 0xa6, 0xad);
        QRect content = band.adjusted(margin, 0, -margin, 0);

        auto takeLeading = [&](int w) {
            QRect taken = rtl ? QRect(content.right() - w + 1, content.top(), w, content.height())
                              : QRect(content.left(), content.top(), w, content.height());
            if (rtl)
                content.setRight(content.right() - w - margin);
            else
                content.setLeft(content.left() + w + margin);
            return taken;
        };
        if (radio) {
            const QRect box = takeLeading(markSize);
            const QRect mark(box.left(), box.center().y() - markSize / 2, markSize, markSize);
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(textColour);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(mark);
            if (row->m_checked) {
                painter.setBrush(textColour);
                painter.drawEllipse(mark.adjusted(3, 3, -3, -3));
            }
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        if (icon) {
            const QRect box = takeLeading(iconSize);
            const QPixmap pixmap = row->pixmap(0);
            if (!pixmap.isNull()) {
                const QPixmap scaled = pixmap.scaled(iconSize, iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
                painter.drawPixmap(box.left() + (iconSize - scaled.width()) / 2,
                                   box.center().y() - scaled.height() / 2, scaled);
            }
        }
        if (!radio && row->m_checked) {
            painter.setPen(textColour);
            const QRect box = rtl ? QRect(content.left(), content.top(), markSize, content.height())
                                  : QRect(content.right() - markSize + 1, content.top(), markSize, content.height());
            painter.drawText(box, Qt::AlignCenter, QStringLiteral("\u2713"));
            if (rtl)
                content.setLeft(content.left() + markSize + margin);
            else
                content.setRight(content.right() - markSize - margin);
        }

        const int lines = row->m_lines[1].isEmpty() ? 1 : 2;
        const int lineHeight = metrics.height();
        const int top = band.top() + (h - lines * lineHeight - (lines - 1) * 2) / 2;
        for (int line = 0; line < lines; ++line) {
            const QRect lineRect(content.left(), top + line * (lineHeight + 2), content.width(), lineHeight);
            painter.setFont(line == 0 ? font() : small);
            const QFontMetrics lineMetrics(painter.font());
            const QString value = row->m_lines[line].value(1);
            const QString label = row->m_lines[line].value(0);
            int valueWidth = 0;
            if (!value.isEmpty()) {
                const QString shown = lineMetrics.elidedText(value, Qt::ElideRight, lineRect.width() / 2);
                valueWidth = lineMetrics.horizontalAdvance(shown) + margin;
                painter.setPen(current ? QColor(0xe0, 0xee, 0xf8) : (row->isEnabled() ? QColor(0x2f, 0x6f, 0x9c) : textColour));
                painter.drawText(lineRect, Qt::AlignVCenter | Qt::AlignTrailing, shown);
            }
            painter.setPen(textColour);
            const QString shownLabel = lineMetrics.elidedText(label, Qt::ElideRight, lineRect.width() - valueWidth);
            painter.drawText(lineRect, Qt::AlignVCenter | Qt::AlignLeading, shownLabel);
        }
    }
}

void ZListBox::updateDumpText()
{
    // The rows in view, as the screenshot shows them: "> " marks the current row, "(*)" a
    // checked one, "[x]" a disabled one.
    QStringList lines;
    const int rows = height() > 0 ? qMax(1, height() / rowHeight()) : 12;
    for (int i = m_top; i < count() && i < m_top + rows; ++i) {
        const ZListBoxItem *row = m_items[size_t(i)].get();
        QString text = i == m_current ? QStringLiteral("> ") : QStringLiteral("  ");
        if (row->m_checked)
            text += QStringLiteral("(*) ");
        if (!row->isEnabled())
            text += QStringLiteral("[x] ");
        text += row->m_lines[0].value(0);
        if (!row->m_lines[0].value(1).isEmpty())
            text += QStringLiteral(" | ") + row->m_lines[0].value(1);
        for (const QString &extra : row->m_lines[1]) {
            if (!extra.isEmpty())
                text += QStringLiteral(" / ") + extra;
        }
        lines << text;
    }
    ZHeadless::setDumpText(this, lines);
}
