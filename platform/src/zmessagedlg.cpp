#include "zmessagedlg.h"
#include "zapplication.h"
#include "zdialogscript.h"
#include "zheadless.h"
#include "zresource.h"
#include "zsoftkey.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

ZMessageDlg::ZMessageDlg(const QString &title, const QString &text, int type, int timeout, QWidget *parent,
                         const char *name)
    : ZKbMainWidget(parent, name)
    , m_label(new QLabel(text, this))
    , m_type(type)
    , m_timeout(timeout)
{
    setMainWidgetTitle(title);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMargin(12);
    ZHeadless::setDumpText(m_label, text);
    setContentWidget(m_label);
    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_OK", "OK"));
    softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotOk()));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotOk()));
}

ZMessageDlg::~ZMessageDlg() = default;

QString ZMessageDlg::text() const
{
    return m_label->text();
}

int ZMessageDlg::type() const
{
    return m_type;
}

int ZMessageDlg::exec()
{
    if (ZDialogScript::isActive()) {
        ZDialogScript::Shown shown;
        shown.kind = QStringLiteral("ZMessageDlg");
        shown.title = mainWidgetTitle();
        shown.text = text();
        ZDialogScript::record(shown);
        return 1;
    }
    show();
    raise();
    activateWindow();
    setFocus();
    if (m_timeout > 0)
        QTimer::singleShot(m_timeout, this, &ZMessageDlg::slotOk);
    m_running = true;
    ZApplication::enter_loop();
    m_running = false;
    hide();
    return 1;
}

void ZMessageDlg::slotOk()
{
    if (m_running) {
        m_running = false;
        ZApplication::exit_loop(1);
    }
}

void ZMessageDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
    case Qt::Key_Escape:
        slotOk();
        return;
    default:
        ZKbMainWidget::keyPressEvent(event);
    }
}
