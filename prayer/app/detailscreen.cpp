#include "detailscreen.h"

#include <zdetailview.h>
#include <zkbmainwidget.h>
#include <zscrollpanel.h>
#include <zsoftkey.h>

#include <QVBoxLayout>

QVBoxLayout *DetailScreen::prepareContent(ZKbMainWidget *screen)
{
    ZScrollPanel *panel = screen->getContentWidget(true);
    panel->enableClipper(false);
    auto *layout = new QVBoxLayout(panel->viewport());
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

void DetailScreen::finish(ZKbMainWidget *screen, QVBoxLayout *layout, ZDetailView *view, const QString &backText)
{
    layout->addWidget(view);
    layout->addStretch(1);
    screen->setContentWidget(view);

    auto *softKey = new ZSoftKey("CST_2A", screen);
    softKey->setText(ZSoftKey::Right, backText);
    softKey->setClickedSlot(ZSoftKey::Right, screen, SLOT(slotBack()));
    screen->setSoftKey(softKey);
}
