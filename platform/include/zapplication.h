#ifndef ZAPPLICATION_H
#define ZAPPLICATION_H

#include <QApplication>

class QEventLoop;
class QWidget;

// The application object of a program on the handset. It loads the texts of the display
// language ("/tmp/vyn_system.cfg", group "SYS_SYSTEM_SET", key "LanguageType"), lays screens
// out right to left for right-to-left languages and gives main widgets the size of the screen.
class ZApplication : public QApplication
{
    Q_OBJECT
public:
    enum Type {
        Server = 0,
        GuiClient = 1,
    };

    ZApplication(int &argc, char **argv, int type = GuiClient);
    ~ZApplication() override;

    int type() const;

    // The first screen: shown, and sized to the screen when it is a window of its own.
    void setMainWidget(QWidget *widget);
    QWidget *mainWidget() const;

    // Runs the event loop until quit; the loop's result. In a headless run (ZHeadless) the
    // first loop of the program saves the screen and quits by itself.
    int exec();

    // A nested loop on the same thread; exit_loop ends the innermost one. quit (inherited)
    // ends all of them.
    static int enter_loop();
    static void exit_loop(int result = 0);
    static int loopLevel();

    static QString languageCode();
    static bool isRtlLanguage(const QString &languageCode);

    // Reloads the texts and the direction, after a language change. Called by itself when
    // "languageChanged()" arrives on "VYN/System" (vyn-ctl language).
    void applyLanguage();

    // Types the keys of VYN_KEYS (names as QKeySequence reads them, separated by blanks:
    // "F1 Down Down Return c"), one every VYN_KEY_INTERVAL milliseconds (default 150) once
    // the first loop runs, into the widget with the focus: demos and screenshots of screens
    // deep inside a program.
    static QStringList keyScript();

signals:
    // The phone asks every program to give way to the idle screen (the red key).
    void askReturnToIdle(int reason);

private:
    void startKeyScript();
    bool startHeadless();
    void finishHeadless();

    int m_type;
    QWidget *m_mainWidget = nullptr;
    bool m_headlessStarted = false;
    bool m_keyScriptStarted = false;
    bool m_headlessFinished = false;
    int m_headlessResult = 0;
};

#endif
