#include "zjumpbox.h"
#include "zheadless.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

ZJumpBox::ZJumpBox(const QString &label, QWidget *parent, int maxLength, int skinWidgetClass, const char *name)
    : QWidget(parent)
    , m_label(new QLabel(label, this))
    , m_edit(new QLineEdit(this))
    , m_skinWidgetClass(skinWidgetClass)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->setSpacing(2);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);
    m_edit->setMaxLength(qMax(1, maxLength));
    m_edit->installEventFilter(this);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xdd, 0xe6, 0xee));
    setPalette(colours);
    connect(m_edit, &QLineEdit::textChanged, this, &ZJumpBox::textEdited);
    ZHeadless::setDumpText(this, QStringLiteral("%1[%2]").arg(label, QString()));
    hide();
}

ZJumpBox::~ZJumpBox() = default;

QLineEdit *ZJumpBox::getLineEdit() const
{
    return m_edit;
}

QString ZJumpBox::text() const
{
    return m_edit->text();
}

int ZJumpBox::skinWidgetClass() const
{
    return m_skinWidgetClass;
}

void ZJumpBox::activate(QKeyEvent *event)
{
    // The window's focus widget, whether or not the window is active just now.
    QWidget *focus = window()->focusWidget();
    if (focus && focus != m_edit)
        m_previousFocus = focus;
    else if (!m_previousFocus && parentWidget())
        m_previousFocus = parentWidget();
    m_hideByCSK = false;
    m_edit->blockSignals(true);
    m_edit->clear();
    m_edit->blockSignals(false);
    show();
    m_edit->setFocus();
    if (event && !event->text().isEmpty())
        m_edit->insert(event->text());
}

bool ZJumpBox::isHideByCSK() const
{
    return m_hideByCSK;
}

void ZJumpBox::setModalEditing(bool on)
{
    m_modalEditing = on;
}

bool ZJumpBox::isModalEditing() const
{
    return m_modalEditing;
}

void ZJumpBox::textEdited(const QString &text)
{
    ZHeadless::setDumpText(this, QStringLiteral("%1[%2]").arg(m_label->text(), text));
    emit sigTextChanged(text);
    if (text.isEmpty())
        emit clearAllText();
}

void ZJumpBox::handBack(QKeyEvent *event, bool moveFocus)
{
    QWidget *target = m_previousFocus;
    if (!target)
        return;
    if (moveFocus)
        target->setFocus();
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat());
    QApplication::sendEvent(target, &copy);
}

bool ZJumpBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (key->isAutoRepeat())
            return true;
        m_hideByCSK = true;
        hide();
        handBack(key, true);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The list moves under the box; typing goes on.
        handBack(key, false);
        return true;
    default:
        return false;
    }
}
