#include "zkbmainwidget.h"
#include "zheadless.h"
#include "zscreen.h"
#include "zscrollpanel.h"
#include "zsoftkey.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char titleStyle[] =
        "QLabel { color: white; font-weight: bold; padding: 4px 12px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2c3e50, stop:1 #1b2733);"
        " border-bottom: 2px solid #c9a227; }";

} // namespace

ZKbMainWidget::ZKbMainWidget(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags | Qt::Window)
    , m_titleBar(new QLabel(this))
    , m_contentArea(new QWidget(this))
    , m_contentLayout(new QVBoxLayout(m_contentArea))
    , m_softKeyArea(new QWidget(this))
    , m_softKeyLayout(new QVBoxLayout(m_softKeyArea))
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setFixedSize(ZScreen::size());

    m_titleBar->setObjectName(QStringLiteral("titleBar"));
    m_titleBar->setStyleSheet(QLatin1String(titleStyle));
    m_titleBar->setMinimumHeight(ZScreen::titleBarHeight());
    m_titleBar->setWordWrap(true);
    m_titleBar->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    m_titleBar->setTextFormat(Qt::PlainText);
    QFont titleFont = m_titleBar->font();
    titleFont.setPixelSize(17);
    m_titleBar->setFont(titleFont);

    m_contentArea->setObjectName(QStringLiteral("contentArea"));
    m_contentArea->setAutoFillBackground(true);
    QPalette colours = m_contentArea->palette();
    colours.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf8));
    colours.setColor(QPalette::Base, QColor(0xf4, 0xf6, 0xf8));
    m_contentArea->setPalette(colours);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(0);

    m_softKeyArea->setObjectName(QStringLiteral("softKeyArea"));
    m_softKeyLayout->setContentsMargins(0, 0, 0, 0);
    m_softKeyLayout->setSpacing(0);
    m_softKeyArea->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_contentArea, 1);
    layout->addWidget(m_softKeyArea);
}

ZKbMainWidget::~ZKbMainWidget() = default;

void ZKbMainWidget::setAppTitle(const QString &title)
{
    m_appTitle = title;
    showTitle(title);
}

QString ZKbMainWidget::appTitle() const
{
    return m_appTitle;
}

void ZKbMainWidget::setMainWidgetTitle(const QString &title)
{
    m_mainWidgetTitle = title;
    showTitle(title);
}

QString ZKbMainWidget::mainWidgetTitle() const
{
    return m_mainWidgetTitle;
}

void ZKbMainWidget::showTitle(const QString &title)
{
    m_titleBar->setText(title);
    setWindowTitle(title);
    ZHeadless::setDumpText(m_titleBar, title);
}

ZScrollPanel *ZKbMainWidget::getContentWidget(bool create)
{
    if (!m_scrollPanel && create) {
        m_scrollPanel = new ZScrollPanel(m_contentArea);
        m_scrollPanel->setObjectName(QStringLiteral("contentScrollPanel"));
        m_contentLayout->addWidget(m_scrollPanel);
        if (m_content)
            m_scrollPanel->hide();
        else
            m_content = m_scrollPanel.data();
    }
    return m_scrollPanel;
}

void ZKbMainWidget::setContentWidget(QWidget *widget)
{
    if (!widget || widget == m_content)
        return;
    if (m_content && m_content->isAncestorOf(widget))
        return;
    if (m_content)
        m_content->hide();
    if (widget->parentWidget() != m_contentArea)
        widget->setParent(m_contentArea);
    m_contentLayout->addWidget(widget);
    widget->show();
    m_content = widget;
}

QWidget *ZKbMainWidget::contentWidget() const
{
    return m_content;
}

void ZKbMainWidget::setSoftKey(ZSoftKey *softKey)
{
    if (softKey == m_softKey)
        return;
    if (m_softKey) {
        m_softKeyLayout->removeWidget(m_softKey);
        m_softKey->hide();
        m_softKey->deleteLater();
    }
    m_softKey = softKey;
    if (softKey) {
        softKey->setParent(m_softKeyArea);
        m_softKeyLayout->addWidget(softKey);
        softKey->show();
    }
    m_softKeyArea->setVisible(softKey != nullptr);
}

ZSoftKey *ZKbMainWidget::getSoftKey(bool create)
{
    if (!m_softKey && create)
        setSoftKey(new ZSoftKey("CST_2", this));
    return m_softKey;
}

void ZKbMainWidget::keyPressEvent(QKeyEvent *event)
{
    if (m_softKey && !event->isAutoRepeat()) {
        if (event->key() == Qt::Key_F1) {
            m_softKey->click(ZSoftKey::Left);
            return;
        }
        if (event->key() == Qt::Key_F2) {
            m_softKey->click(ZSoftKey::Right);
            return;
        }
    }
    if (event->key() == Qt::Key_Backspace && !event->isAutoRepeat()) {
        emit clearKeyClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}
