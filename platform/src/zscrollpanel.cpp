#include "zscrollpanel.h"

#include <QScrollBar>

ZScrollPanel::ZScrollPanel(QWidget *parent, const char *name, int skinWidgetClass)
    : QScrollArea(parent)
    , m_canvas(new QWidget)
    , m_skinWidgetClass(skinWidgetClass)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    m_canvas->setObjectName(QStringLiteral("scrollPanelCanvas"));
    m_canvas->setAutoFillBackground(false);
    setWidget(m_canvas);
    verticalScrollBar()->setSingleStep(20);
    // A slim bar, as on the handset: the content keeps nearly all of the 320 pixels.
    verticalScrollBar()->setStyleSheet(QStringLiteral(
            "QScrollBar:vertical { width: 6px; background: transparent; margin: 2px 0px; }"
            "QScrollBar::handle:vertical { background: #a9b3bd; border-radius: 3px; min-height: 24px; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
}

ZScrollPanel::~ZScrollPanel() = default;

QWidget *ZScrollPanel::viewport() const
{
    return m_canvas;
}

void ZScrollPanel::enableClipper(bool enable)
{
    m_clipper = enable;
}

bool ZScrollPanel::hasClipper() const
{
    return m_clipper;
}

int ZScrollPanel::skinWidgetClass() const
{
    return m_skinWidgetClass;
}
