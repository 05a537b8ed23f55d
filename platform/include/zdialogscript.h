#ifndef ZDIALOGSCRIPT_H
#define ZDIALOGSCRIPT_H

#include <QList>
#include <QString>
#include <QStringList>

// Scripted answers for the platform's modal dialogs and pickers, so that tests (and demo runs)
// answer them without a person. While a script runs, a dialog records what it offered, takes
// the next answer from the queue and returns at once instead of waiting for keys; with the
// queue empty it is cancelled, with a log line. Message boxes are acknowledged without taking
// an answer.
class ZDialogScript
{
public:
    struct Answer
    {
        enum Kind {
            Accept,   // accept with the entry at index chosen (-1: accepted, nothing chosen)
            Cancel,
            Pick,     // a picker returns the file at path
        };
        Kind kind = Cancel;
        int index = -1;
        QString path;
    };

    // What a dialog showed: its kind ("ZSingleSelectDlg", "ZMessageDlg", "MediaFilePicker"),
    // title, text, entries (for a picker: the files it offered) and checked entry.
    struct Shown
    {
        QString kind;
        QString title;
        QString text;
        QStringList items;
        int checked = -1;
        QStringList extensions;
    };

    // Starts a script with an empty queue and no record; stop returns to interactive dialogs.
    static void start();
    static void stop();
    static bool isActive();

    static void accept(int index);
    static void acceptNone();
    static void cancel();
    static void pick(const QString &path);
    static int pending();

    static QList<Shown> shown();
    static void clearShown();

    // For the dialogs: the next answer (a cancel when the queue is empty) and the record.
    static Answer takeAnswer(const QString &kind);
    static void record(const Shown &shown);
};

#endif
