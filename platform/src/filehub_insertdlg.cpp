#include "filehub_insertdlg.h"
#include "vyndevice.h"
#include "zapplication.h"
#include "zdialogscript.h"
#include "zheadless.h"
#include "zlistbox.h"
#include "zresource.h"
#include "zsoftkey.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>

namespace {

const int thumbnailSize = 19;
// A picture larger than this is not offered: it could not be a wallpaper anyway.
const int largestSide = 4096;
// Thumbnails cost a decode each; past this many rows the list shows names only.
const int thumbnailLimit = 200;

QString withoutSlash(const QString &path)
{
    return path.size() > 1 && path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

bool isPicture(const QString &hostPath)
{
    // A file that only starts like a picture has no size in its header: it is not offered.
    QImageReader reader(hostPath);
    if (!reader.canRead())
        return false;
    const QSize size = reader.size();
    return size.isValid() && !size.isEmpty() && size.width() <= largestSide && size.height() <= largestSide;
}

QPixmap thumbnail(const QString &hostPath)
{
    QImageReader reader(hostPath);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(thumbnailSize, thumbnailSize, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap folderIcon()
{
    QPixmap icon(thumbnailSize, thumbnailSize);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe0, 0xb0, 0x40));
    painter.drawRect(1, 3, 8, 3);
    painter.drawRect(1, 5, thumbnailSize - 2, thumbnailSize - 8);
    return icon;
}

} // namespace

FILEHUB_InsertDlg::FILEHUB_InsertDlg(int type, const QStringList &filters, const QString &startFolder,
                                     const QString &title, QWidget *parent, bool, const char *name, bool,
                                     Qt::WindowFlags flags)
    : ZKbMainWidget(parent, name, flags)
    , m_type(type)
    , m_filters(filters)
    , m_start(withoutSlash(startFolder))
    , m_list(new ZListBox(QStringLiteral("%I%M"), this, 0, "insertList"))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMainWidgetTitle(title);
    setContentWidget(m_list);
    ZSoftKey *softKey = getSoftKey(true);
    softKey->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_SELECT", "Select"));
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_CANCEL", "Cancel"));
    softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotSelect()));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotCancel()));
    connect(m_list, &ZListBox::selected, this, &FILEHUB_InsertDlg::slotChosen);
    connect(this, &ZKbMainWidget::clearKeyClicked, this, &FILEHUB_InsertDlg::slotBack);
}

FILEHUB_InsertDlg::~FILEHUB_InsertDlg() = default;

QStringList FILEHUB_InsertDlg::files(const QString &folder) const
{
    const QDir dir(VynDevice::hostPath(folder));
    QStringList result;
    if (folder.isEmpty() || !dir.exists())
        return result;
    const QStringList names = dir.entryList(m_filters, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (m_type == Picture && !isPicture(dir.filePath(name)))
            continue;
        result << withoutSlash(folder) + QLatin1Char('/') + name;
    }
    return result;
}

QStringList FILEHUB_InsertDlg::subfolders(const QString &folder) const
{
    const QDir dir(VynDevice::hostPath(folder));
    QStringList result;
    if (folder.isEmpty() || !dir.exists())
        return result;
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Readable, QDir::Name | QDir::IgnoreCase))
        result << withoutSlash(folder) + QLatin1Char('/') + name + QLatin1Char('/');
    return result;
}

void FILEHUB_InsertDlg::openFolder(const QString &folder)
{
    m_folder = folder;
    m_list->clear();
    m_rows = subfolders(folder) + files(folder);
    int thumbnails = 0;
    QStringList dump;
    for (const QString &path : m_rows) {
        auto *row = new ZListBoxItem(m_list);
        const bool isFolder = path.endsWith(QLatin1Char('/'));
        const QString name = QFileInfo(withoutSlash(path)).fileName();
        if (isFolder)
            row->setPixmap(0, folderIcon());
        else if (m_type == Picture && thumbnails++ < thumbnailLimit)
            row->setPixmap(0, thumbnail(VynDevice::hostPath(path)));
        row->appendSubItem(0, isFolder ? name + QLatin1Char('/') : name);
        m_list->insertItem(row);
    }
    if (m_rows.isEmpty()) {
        // Nothing to choose: say so rather than show a blank screen.
        auto *row = new ZListBoxItem(m_list);
        row->appendSubItem(0, RES_TEXT("TXT_RID_LIST_A_NO_FILES", "No pictures"));
        row->setEnabled(false);
        m_list->insertItem(row);
    }
    m_list->setCurrentItem(0, false);
}

int FILEHUB_InsertDlg::exec()
{
    m_selected.clear();
    m_result = 0;
    if (ZDialogScript::isActive()) {
        ZDialogScript::Shown shown;
        shown.kind = QStringLiteral("FILEHUB_InsertDlg");
        shown.title = mainWidgetTitle();
        shown.text = m_start;
        shown.items = files(m_start);
        shown.extensions = m_filters;
        ZDialogScript::record(shown);
        const ZDialogScript::Answer answer = ZDialogScript::takeAnswer(shown.kind);
        if (answer.kind == ZDialogScript::Answer::Pick && !answer.path.isEmpty()) {
            m_selected = answer.path;
        } else if (answer.kind == ZDialogScript::Answer::Accept && answer.index >= 0
                   && answer.index < shown.items.size()) {
            m_selected = shown.items.at(answer.index);
        }
        m_result = m_selected.isEmpty() ? 0 : 1;
        return m_result;
    }
    openFolder(m_start);
    show();
    raise();
    activateWindow();
    m_list->setFocus();
    m_running = true;
    ZApplication::enter_loop();
    m_running = false;
    hide();
    return m_result;
}

void FILEHUB_InsertDlg::slotChosen(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    const QString path = m_rows.at(index);
    if (path.endsWith(QLatin1Char('/'))) {
        openFolder(withoutSlash(path));
        return;
    }
    m_selected = path;
    done(1);
}

void FILEHUB_InsertDlg::slotSelect()
{
    const int index = m_list->currentItem();
    if (index >= 0 && index < m_rows.size() && !m_rows.at(index).endsWith(QLatin1Char('/')))
        slotChosen(index);
}

void FILEHUB_InsertDlg::slotCancel()
{
    m_selected.clear();
    done(0);
}

void FILEHUB_InsertDlg::slotBack()
{
    if (m_folder == m_start || !m_folder.startsWith(m_start)) {
        slotCancel();
        return;
    }
    openFolder(m_folder.left(m_folder.lastIndexOf(QLatin1Char('/'))));
}

void FILEHUB_InsertDlg::done(int result)
{
    m_result = result;
    if (m_running) {
        m_running = false;
        ZApplication::exit_loop(result);
    }
}

void FILEHUB_InsertDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        slotCancel();
        return;
    }
    ZKbMainWidget::keyPressEvent(event);
}
