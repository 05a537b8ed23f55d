#ifndef FILEHUB_INSERTDLG_H
#define FILEHUB_INSERTDLG_H

#include "zkbmainwidget.h"

#include <QStringList>

class ZListBox;

// The file browser's insert dialog: a modal browser over a folder and its subfolders that
// lists the files matching the filters ("*.jpg", ...), by name after the subfolders. Return on
// a folder opens it and on a file chooses it; "Select" (F1) chooses the current file; the Clear
// key goes back up to the start folder and cancels there; "Cancel" (F2) or Escape cancels.
// Picture dialogs (type 1) list only files that are images, each with a thumbnail. Under a
// ZDialogScript the answer comes from the script, and what it offered is recorded.
class FILEHUB_InsertDlg : public ZKbMainWidget
{
    Q_OBJECT
public:
    enum InsertDlgType {
        AnyFile = 0,
        Picture = 1,
    };

    // modal and preview are the handset's flags, kept as given.
    FILEHUB_InsertDlg(int type, const QStringList &filters, const QString &startFolder, const QString &title,
                      QWidget *parent = nullptr, bool modal = false, const char *name = nullptr,
                      bool preview = true, Qt::WindowFlags flags = Qt::WindowFlags());
    ~FILEHUB_InsertDlg() override;

    // 1 when a file was chosen, 0 when cancelled.
    int exec();
    int result() const { return m_result; }
    // Device path of the chosen file; empty after a cancel.
    QString getSelectedFile() const { return m_selected; }

    QString currentFolder() const { return m_folder; }
    ZListBox *listBox() const { return m_list; }
    // Device paths of the files this dialog offers in a folder, by name.
    QStringList files(const QString &folder) const;
    QStringList subfolders(const QString &folder) const;

public slots:
    void slotSelect();
    void slotCancel();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void slotChosen(int index);
    void slotBack();

private:
    void openFolder(const QString &folder);
    void done(int result);

    int m_type;
    QStringList m_filters;
    QString m_start;
    QString m_folder;
    QStringList m_rows;   // device paths; folders end in "/"
    ZListBox *m_list;
    QString m_selected;
    int m_result = 0;
    bool m_running = false;
};

#endif
