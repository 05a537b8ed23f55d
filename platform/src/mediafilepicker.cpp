#include "mediafilepicker.h"
#include "mediafilepickercallback.h"
#include "vyndevice.h"
#include "zapplication.h"
#include "zdialogscript.h"
#include "zkbmainwidget.h"
#include "zlistbox.h"
#include "zlog.h"
#include "zresource.h"
#include "zsoftkey.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

MediaFilePicker::MediaFilePicker(int actionType, int greyOutType, int selectionType, int displayType, int count,
                                 const QString &startFolder, QObject *parent)
    : QObject(parent)
    , m_types { actionType, greyOutType, selectionType, displayType, count }
    , m_startFolder(startFolder)
{
}

MediaFilePicker::~MediaFilePicker()
{
    delete m_screen;
}

void MediaFilePicker::setCallback(MediaFilePickerCallback *callback)
{
    m_callback = callback;
}

QList<QByteArray> MediaFilePicker::fileList() const
{
    return m_files;
}

bool MediaFilePicker::isOpen() const
{
    return m_open;
}

QStringList MediaFilePicker::soundFiles(const QStringList &extensions)
{
    QSet<QString> wanted;
    for (const QString &extension : extensions)
        wanted.insert(extension.toLower());
    QStringList files;
    for (const char *folder : { "/usr/data_resource/sound", "/vynlocal/download/audio" }) {
        const QString device = QString::fromLatin1(folder);
        const QString host = VynDevice::hostPath(device);
        QDirIterator it(host, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            // Device paths, as the files are stored in settings.
            if (wanted.contains(info.suffix().toLower()))
                files << device + info.filePath().mid(host.size());
        }
    }
    std::sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        return QFileInfo(a).fileName().compare(QFileInfo(b).fileName(), Qt::CaseInsensitive) < 0;
    });
    return files;
}

void MediaFilePicker::close()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_screen)
        m_screen->hide();
    if (m_inLoop) {
        m_inLoop = false;
        ZApplication::exit_loop(0);
    }
}

void MediaFilePicker::finish(int status)
{
    if (status != 0)
        m_files.clear();
    // The callback may close the picker; it stays alive until pickRingtone returns.
    if (m_callback)
        m_callback->onPickerDone(status);
    // A cancel ends the pick whatever the callback did.
    if (status != 0)
        close();
}

int MediaFilePicker::pickRingtone(int type, const QStringList &extensions)
{
    Q_UNUSED(type);
    if (!m_callback || m_open)
        return 1;
    m_files.clear();
    m_offered = soundFiles(extensions);
    m_open = true;

    if (ZDialogScript::isActive()) {
        ZDialogScript::Shown shown;
        shown.kind = QStringLiteral("MediaFilePicker");
        shown.items = m_offered;
        shown.extensions = extensions;
        ZDialogScript::record(shown);
        while (m_open) {
            const ZDialogScript::Answer answer = ZDialogScript::takeAnswer(shown.kind);
            if (answer.kind == ZDialogScript::Answer::Pick) {
                m_files = { answer.path.toUtf8() };
                finish(0);
            } else if (answer.kind == ZDialogScript::Answer::Accept && answer.index >= 0
                       && answer.index < m_offered.size()) {
                m_files = { m_offered.at(answer.index).toUtf8() };
                finish(0);
            } else {
                finish(1);
            }
        }
        return 0;
    }

    if (!m_screen) {
        m_screen = new ZKbMainWidget(nullptr, "mediaFilePicker");
        m_screen->setMainWidgetTitle(ZResource::text("MediaFilePicker", "TXT_RID_HEADER_SELECT_TONE", "Select Tone"));
        m_list = new ZListBox(QStringLiteral("%M"), m_screen, 0, "mediaFileList");
        m_screen->setContentWidget(m_list);
        ZSoftKey *softKey = m_screen->getSoftKey(true);
        softKey->setText(ZSoftKey::Left, ZResource::text("MediaFilePicker", "TXT_RID_SOFTKEY_SELECT", "Select"));
        softKey->setText(ZSoftKey::Right, ZResource::text("MediaFilePicker", "TXT_RID_SOFTKEY_CANCEL", "Cancel"));
        softKey->setClickedSlot(ZSoftKey::Left, this, SLOT(slotSelect()));
        softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotCancel()));
        connect(m_list, &ZListBox::selected, this, &MediaFilePicker::slotSelect);
    }
    m_list->clear();
    for (const QString &path : std::as_const(m_offered)) {
        auto *row = new ZListBoxItem(m_list);
        row->appendSubItem(0, QFileInfo(path).fileName());
        m_list->insertItem(row);
    }
    m_screen->show();
    m_screen->raise();
    m_screen->activateWindow();
    m_list->setFocus();
    m_inLoop = true;
    ZApplication::enter_loop();
    // A headless run may end the loop from outside.
    m_inLoop = false;
    if (m_open) {
        m_open = false;
        m_screen->hide();
    }
    return 0;
}

void MediaFilePicker::slotSelect()
{
    const int row = m_list ? m_list->currentItem() : -1;
    if (row < 0 || row >= m_offered.size()) {
        // Nothing to choose from: an empty list.
        m_files.clear();
    } else {
        m_files = { m_offered.at(row).toUtf8() };
    }
    finish(0);
}

void MediaFilePicker::slotCancel()
{
    finish(1);
}
