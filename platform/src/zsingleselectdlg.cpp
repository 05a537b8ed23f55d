#include "zsingleselectdlg.h"
#include "zapplication.h"
#include "zdialogscript.h"
#include "zlistbox.h"
#include "zresource.h"
#include "zsoftkey.h"

#include <QKeyEvent>

ZSingleSelectDlg::ZSingleSelectDlg(const QString &title, const QString &prompt, QWidget *parent, const char *name,
                                   const QString &format)
    : ZKbMainWidget(parent, name)
    , m_listBox(new ZListBox(format.contains(QLatin1String("%R")) ? format : QStringLiteral("%R%M"), this, 0,
                             "singleSelectList"))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMainWidgetTitle(prompt.isEmpty() ? title : title + QStringLiteral(": ") + prompt);
    setContentWidget(m_listBox);
    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_SELECT", "Select"));
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_CANCEL", "Cancel"));
    softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotAccept()));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotCancel()));
    connect(m_listBox, &ZListBox::selected, this, &ZSingleSelectDlg::slotSelected);
}

ZSingleSelectDlg::~ZSingleSelectDlg() = default;

void ZSingleSelectDlg::addItemsList(const QStringList &items)
{
    for (const QString &text : items) {
        auto *row = new ZListBoxItem(m_listBox);
        row->appendSubItem(0, text);
        m_listBox->insertItem(row);
    }
}

ZListBox *ZSingleSelectDlg::getListBox() const
{
    return m_listBox;
}

void ZSingleSelectDlg::setCheckedItem(int index)
{
    if (!m_listBox->item(index))
        return;
    m_listBox->checkItem(index, true);
    m_listBox->setCurrentItem(index, false);
    m_chosen = index;
}

int ZSingleSelectDlg::exec()
{
    QStringList items;
    for (int i = 0; i < m_listBox->count(); ++i)
        items << m_listBox->item(i)->subItemText(0, 0);
    if (ZDialogScript::isActive()) {
        ZDialogScript::Shown shown;
        shown.kind = QStringLiteral("ZSingleSelectDlg");
        shown.title = mainWidgetTitle();
        shown.items = items;
        shown.checked = m_listBox->checkedItem();
        ZDialogScript::record(shown);
        const ZDialogScript::Answer answer = ZDialogScript::takeAnswer(shown.kind);
        if (answer.kind != ZDialogScript::Answer::Accept)
            return 0;
        m_chosen = (answer.index >= 0 && answer.index < items.size()) ? answer.index : -1;
        return 1;
    }
    m_result = 0;
    show();
    raise();
    activateWindow();
    m_listBox->setFocus();
    m_running = true;
    ZApplication::enter_loop();
    m_running = false;
    hide();
    return m_result;
}

int ZSingleSelectDlg::getCheckedItemIndex() const
{
    return m_chosen;
}

void ZSingleSelectDlg::slotSelected(int index)
{
    m_chosen = index;
    done(1);
}

void ZSingleSelectDlg::slotAccept()
{
    m_chosen = m_listBox->currentItem();
    done(1);
}

void ZSingleSelectDlg::slotCancel()
{
    done(0);
}

void ZSingleSelectDlg::done(int result)
{
    m_result = result;
    if (m_running) {
        m_running = false;
        ZApplication::exit_loop(result);
    }
}

void ZSingleSelectDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        slotCancel();
        return;
    }
    ZKbMainWidget::keyPressEvent(event);
}
