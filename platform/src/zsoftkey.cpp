#include "zsoftkey.h"
#include "zheadless.h"
#include "zscreen.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace {

bool validKey(int key)
{
    return key == ZSoftKey::Left || key == ZSoftKey::Right;
}

const char buttonStyle[] =
        "QPushButton { color: white; background: transparent; border: none;"
        " font-weight: bold; padding: 0px 10px; }"
        "QPushButton:pressed { background: rgba(255, 255, 255, 40); border-radius: 4px; }";

} // namespace

ZSoftKey::ZSoftKey(const char *style, QWidget *parent, const char *name)
    : QWidget(parent)
    , m_style(QString::fromLatin1(style ? style : "CST_2"))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setFixedHeight(ZScreen::softKeyBarHeight());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Each label sits above its hardware key, whatever the language's direction.
    setLayoutDirection(Qt::LeftToRight);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(8);
    for (int key = Left; key <= Right; ++key) {
        auto *button = new QPushButton(this);
        button->setObjectName(key == Left ? QStringLiteral("leftSoftKey") : QStringLiteral("rightSoftKey"));
        button->setStyleSheet(QLatin1String(buttonStyle));
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Expanding);
        connect(button, &QPushButton::clicked, this, [this, key] { click(key); });
        m_buttons[key] = button;
    }
    layout->addWidget(m_buttons[Left]);
    layout->addStretch(1);
    layout->addWidget(m_buttons[Right]);
    updateDumpText();
}

ZSoftKey::~ZSoftKey() = default;

QString ZSoftKey::style() const
{
    return m_style;
}

void ZSoftKey::setText(int key, const QString &text)
{
    if (!validKey(key))
        return;
    m_buttons[key]->setText(text);
    // A key without a text is not there for the user, and a tap on the empty bar does nothing.
    m_buttons[key]->setVisible(!text.trimmed().isEmpty());
    updateDumpText();
}

QString ZSoftKey::text(int key) const
{
    return validKey(key) ? m_buttons[key]->text() : QString();
}

bool ZSoftKey::setClickedSlot(int key, QObject *receiver, const char *slot)
{
    if (!validKey(key) || !receiver || !slot || !*slot)
        return false;
    // SLOT() prefixes the signature with its method code; a bare name is taken as a slot.
    const QByteArray member = (slot[0] >= '0' && slot[0] <= '2') ? QByteArray(slot) : QByteArray("1") + slot;
    const QByteArray signature = QMetaObject::normalizedSignature(member.constData() + 1);
    if (receiver->metaObject()->indexOfMethod(signature.constData()) < 0)
        return false;
    if (m_connections[key])
        disconnect(m_connections[key]);
    m_connections[key] = connect(this, key == Left ? SIGNAL(leftClicked()) : SIGNAL(rightClicked()),
                                 receiver, member.constData());
    return bool(m_connections[key]);
}

bool ZSoftKey::click(int key)
{
    if (!validKey(key))
        return false;
    emit clicked(key);
    if (key == Left)
        emit leftClicked();
    else
        emit rightClicked();
    return true;
}

QSize ZSoftKey::sizeHint() const
{
    return QSize(ZScreen::width(), ZScreen::softKeyBarHeight());
}

void ZSoftKey::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, QColor(0x3a, 0x46, 0x55));
    gradient.setColorAt(1.0, QColor(0x1c, 0x24, 0x2e));
    painter.fillRect(rect(), gradient);
    painter.setPen(QColor(0x55, 0x63, 0x74));
    painter.drawLine(0, 0, width(), 0);
}

void ZSoftKey::updateDumpText()
{
    ZHeadless::setDumpText(this, QStringLiteral("[%1] ... [%2]").arg(text(Left).trimmed(), text(Right).trimmed()));
}
