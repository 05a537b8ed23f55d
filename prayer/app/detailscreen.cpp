#include "detailscreen.h"

#include <zdetailitem.h>
#include <zdetailview.h>
#include <zkbmainwidget.h>
#include <zscrollpanel.h>
#include <zsoftkey.h>

#include <QVBoxLayout>

namespace {
const int detailViewSkinClass = 73;
}

void DetailScreen::begin(ZKbMainWidget *screen, const QString &title)
{
    m_screen = screen;
    screen->setAppTitle(title);
    ZScrollPanel *panel = screen->getContentWidget(true);
    panel->enableClipper(false);
    m_layout = new QVBoxLayout(panel->viewport());
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_detailView = new ZDetailView(screen, detailViewSkinClass);
}

void DetailScreen::addRow(const QString &title, const QString &text)
{
    auto *item = new ZDetailItem(ZDetailItem::TitleAndText, m_detailView);
    item->setTitle(title);
    item->appendTextRow(text);
    m_detailView->addItem(item);
}

void DetailScreen::finish(const QString &backText)
{
    m_layout->addWidget(m_detailView);
    m_layout->addStretch(1);
    m_screen->setContentWidget(m_detailView);

    auto *softKey = new ZSoftKey("CST_2A", m_screen);
    softKey->setText(ZSoftKey::Right, backText);
    softKey->setClickedSlot(ZSoftKey::Right, m_screen, SLOT(slotBack()));
    m_screen->setSoftKey(softKey);
}
