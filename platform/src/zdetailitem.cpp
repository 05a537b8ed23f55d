#include "zdetailitem.h"
#include "zdetailview.h"
#include "zheadless.h"
#include "zscreen.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace {

const int horizontalMargin = 12;
const int verticalMargin = 6;
const int lineSpacing = 2;
const int columnGap = 16;

// Height of a text broken at word boundaries, and inside a word only when it is longer than
// the line; the same breaking that paintEvent asks the painter for.
int wrappedHeight(const QFont &font, const QString &text, int width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const QFontMetrics metrics(font);
    int height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += metrics.lineSpacing();
    }
    layout.endLayout();
    return qMax(height, metrics.height());
}

} // namespace

ZDetailItem::ZDetailItem(int type, ZDetailView *parent)
    : QWidget(parent)
    , m_type(type)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // Shown when the view adds it.
    hide();
    contentChanged();
}

ZDetailItem::~ZDetailItem()
{
    // A row deleted by its owner leaves its view's list; a view being destroyed no longer
    // counts as one here.
    if (auto *view = qobject_cast<ZDetailView *>(parentWidget()))
        view->forgetItem(this);
}

int ZDetailItem::type() const
{
    return m_type;
}

void ZDetailItem::setTitle(const QString &title)
{
    m_title = title;
    contentChanged();
}

QString ZDetailItem::title() const
{
    return m_title;
}

int ZDetailItem::appendTextRow(const QString &text)
{
    m_texts.append(text);
    contentChanged();
    return int(m_texts.size()) - 1;
}

int ZDetailItem::appendSubItem(int, const QString &text)
{
    return appendTextRow(text);
}

void ZDetailItem::setTextRow(int index, const QString &text)
{
    if (index < 0 || index >= m_texts.size())
        return;
    m_texts[index] = text;
    contentChanged();
}

QString ZDetailItem::textRow(int index) const
{
    return m_texts.value(index);
}

QStringList ZDetailItem::textRows() const
{
    return m_texts;
}

void ZDetailItem::clearTextRows()
{
    m_texts.clear();
    contentChanged();
}

QFont ZDetailItem::titleFont() const
{
    return font();
}

QFont ZDetailItem::textFont() const
{
    QFont bold = font();
    bold.setWeight(QFont::DemiBold);
    return bold;
}

QList<ZDetailItem::Piece> ZDetailItem::layoutPieces(int width, int *height) const
{
    QList<Piece> pieces;
    const int available = qMax(1, width - 2 * horizontalMargin);
    const QFontMetrics titleMetrics(titleFont());
    const QFontMetrics textMetrics(textFont());
    int y = verticalMargin;

    int first = 0;
    if (!m_texts.isEmpty()) {
        // Measured with the same call that draws, plus a pixel of slack for rounding.
        const QRect bigRect(0, 0, 100000, 1000);
        const int titleWidth = m_title.isEmpty() ? 0 : titleMetrics.boundingRect(bigRect, 0, m_title).width() + 1;
        const int textWidth = textMetrics.boundingRect(bigRect, 0, m_texts.first()).width() + 1;
        const int lineHeight = qMax(titleMetrics.height(), textMetrics.height());
        if (titleWidth + columnGap + textWidth <= available) {
            // The usual case: title and text share the line, the text flush with the far edge.
            if (!m_title.isEmpty())
                pieces.append({ QRect(horizontalMargin, y, available - textWidth - columnGap, lineHeight), m_title,
                                true, false });
            pieces.append({ QRect(horizontalMargin, y, available, lineHeight), m_texts.first(), false, false });
            y += lineHeight + lineSpacing;
            first = 1;
        }
    }
    if (first == 0 && !m_title.isEmpty()) {
        const int textHeight = wrappedHeight(titleFont(), m_title, available);
        pieces.append({ QRect(horizontalMargin, y, available, textHeight), m_title, true, true });
        y += textHeight + lineSpacing;
    }
    for (int i = first; i < m_texts.size(); ++i) {
        const int textHeight = wrappedHeight(textFont(), m_texts.at(i), available);
        pieces.append({ QRect(horizontalMargin, y, available, textHeight), m_texts.at(i), false, true });
        y += textHeight + lineSpacing;
    }
    if (pieces.isEmpty())
        y += titleMetrics.height() + lineSpacing;
    if (height)
        *height = y - lineSpacing + verticalMargin;
    return pieces;
}

QSize ZDetailItem::sizeHint() const
{
    // Before the first layout the item's width means nothing; the screen's width is a good guess.
    const int width = testAttribute(Qt::WA_Resized) || isVisible() ? this->width() : ZScreen::width();
    return QSize(width, heightForWidth(width));
}

QSize ZDetailItem::minimumSizeHint() const
{
    // The height follows the width (heightForWidth); the least is one line.
    const int line = qMax(QFontMetrics(titleFont()).height(), QFontMetrics(textFont()).height());
    return QSize(2 * horizontalMargin, line + 2 * verticalMargin);
}

bool ZDetailItem::hasHeightForWidth() const
{
    return true;
}

int ZDetailItem::heightForWidth(int width) const
{
    int height = 0;
    layoutPieces(width, &height);
    return height;
}

void ZDetailItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Each text runs in its own direction (a Latin date stays "11 Mar 2024" on an Arabic
    // screen); only the edges swap with the screen's direction.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    const QList<Piece> pieces = layoutPieces(width(), nullptr);
    for (const Piece &piece : pieces) {
        painter.setFont(piece.isTitle ? titleFont() : textFont());
        painter.setPen(piece.isTitle ? QColor(0x2b, 0x33, 0x3d) : QColor(0x0b, 0x4f, 0x8a));
        const Qt::Alignment alignment = QStyle::visualAlignment(
                layoutDirection(), piece.isTitle ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        const QRect target = QStyle::visualRect(layoutDirection(), rect(), piece.rect);
        if (piece.wraps) {
            QTextOption option(alignment);
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            painter.drawText(QRectF(target), piece.text, option);
        } else {
            painter.drawText(target, int(alignment) | Qt::TextSingleLine, piece.text);
        }
    }
}

void ZDetailItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

void ZDetailItem::contentChanged()
{
    QStringList line(m_title);
    line += m_texts;
    ZHeadless::setDumpText(this, line.join(QLatin1Char('\t')));
    updateGeometry();
    update();
}
