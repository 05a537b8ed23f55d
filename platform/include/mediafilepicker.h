#ifndef MEDIAFILEPICKER_H
#define MEDIAFILEPICKER_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

class MediaFilePickerCallback;
class ZKbMainWidget;
class ZListBox;

// The platform's media file picker. pickRingtone lists the sound files of the device
// ("/usr/data_resource/sound" and "/vynlocal/download/audio", with their subfolders) whose
// extensions are in the list, runs a modal screen on which the user picks one, and tells the
// callback each time the user picks or cancels. A pick the callback does not close the picker
// for leaves the screen up for another pick; a cancel always ends it. Under a ZDialogScript the
// answers come from the script.
class MediaFilePicker : public QObject
{
    Q_OBJECT
public:
    // The handset's action, grey-out, selection and display types, the number of files to
    // pick and a start folder; kept as given.
    MediaFilePicker(int actionType, int greyOutType, int selectionType, int displayType, int count,
                    const QString &startFolder, QObject *parent = nullptr);
    ~MediaFilePicker() override;

    void setCallback(MediaFilePickerCallback *callback);
    // 0 when the picker ran to its end; 1 when it could not run (no callback, or already running).
    int pickRingtone(int type, const QStringList &extensions);
    // The chosen files, as UTF-8 paths; empty after a cancel.
    QList<QByteArray> fileList() const;
    // Ends the picker's screen; safe to call from the callback.
    void close();
    bool isOpen() const;

    // The files that a ringtone pick offers for these extensions, as device paths, by file name.
    static QStringList soundFiles(const QStringList &extensions);

private slots:
    void slotSelect();
    void slotCancel();

private:
    void finish(int status);

    MediaFilePickerCallback *m_callback = nullptr;
    QList<QByteArray> m_files;
    QStringList m_offered;
    ZKbMainWidget *m_screen = nullptr;
    ZListBox *m_list = nullptr;
    bool m_open = false;
    bool m_inLoop = false;
    int m_types[5];
    QString m_startFolder;
};

#endif
