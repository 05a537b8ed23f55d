#include "zapplication.h"
#include "qcopchannel.h"
#include "vynchannels.h"
#include "zconfig.h"
#include "zheadless.h"
#include "zresource.h"
#include "zscreen.h"

#include <QEventLoop>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace {

std::vector<QEventLoop *> &nestedLoops()
{
    static std::vector<QEventLoop *> loops;
    return loops;
}

QWidget *headlessWindow(QWidget *mainWidget)
{
    // The window the user looks at: the newest visible one (a settings screen opened by a
    // nested loop sits above the main widget), else the main widget.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->isVisible() && (*it)->isWindow() && (*it)->windowType() != Qt::ToolTip)
            return *it;
    }
    return mainWidget;
}

void typeKey(const QString &name)
{
    const QKeySequence sequence = QKeySequence::fromString(name);
    if (sequence.isEmpty()) {
        fprintf(stderr, "key script: unknown key %s\n", qPrintable(name));
        return;
    }
    const QKeyCombination combination = sequence[0];
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = headlessWindow(nullptr);
    if (!target)
        return;
    QString text = name.size() == 1 ? name : QString();
    if (combination.key() == Qt::Key_Return)
        text = QStringLiteral("\r");
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(), text);
    QApplication::sendEvent(target, &press);
    if (QWidget *after = QApplication::focusWidget())
        target = after;
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers(), text);
    QApplication::sendEvent(target, &release);
}

} // namespace

ZApplication::ZApplication(int &argc, char **argv, int type)
    : QApplication(argc, argv)
    , m_type(type)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    setFont(font);
    applyLanguage();
    // A language change reloads the texts; widgets hear of it through QEvent::LanguageChange.
    auto *systemChannel = new QCopChannel(VynChannel::System, this);
    connect(systemChannel, &QCopChannel::received, this, [this](const QCString &message) {
        if (message == VynMessage::LanguageChanged)
            applyLanguage();
    });
}

ZApplication::~ZApplication() = default;

int ZApplication::type() const
{
    return m_type;
}

QString ZApplication::languageCode()
{
    const QString code = ZConfig(QStringLiteral("/tmp/vyn_system.cfg"), true)
                                 .readEntry(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("LanguageType"),
                                            QStringLiteral("en-us"))
                                 .trimmed()
                                 .toLower();
    return code.isEmpty() ? QStringLiteral("en-us") : code;
}

bool ZApplication::isRtlLanguage(const QString &languageCode)
{
    const QString language = languageCode.trimmed().toLower().section(QLatin1Char('-'), 0, 0);
    return language == QLatin1String("ar") || language == QLatin1String("he")
            || language == QLatin1String("fa") || language == QLatin1String("ur");
}

void ZApplication::applyLanguage()
{
    const QString code = languageCode();
    ZResource::loadLanguage(code);
    // Month and day names in dates follow the language too.
    QLocale::setDefault(QLocale(code));
    setLayoutDirection(isRtlLanguage(code) ? Qt::RightToLeft : Qt::LeftToRight);
}

void ZApplication::setMainWidget(QWidget *widget)
{
    m_mainWidget = widget;
    if (widget && widget->isWindow())
        widget->setFixedSize(ZScreen::size());
}

QWidget *ZApplication::mainWidget() const
{
    return m_mainWidget;
}

int ZApplication::exec()
{
    if (m_headlessFinished)
        return m_headlessResult;
    if (ZHeadless::isEnabled() && m_mainWidget && !m_mainWidget->isVisible())
        m_mainWidget->show();
    startKeyScript();
    startHeadless();
    const int result = QApplication::exec();
    return m_headlessFinished ? m_headlessResult : result;
}

QStringList ZApplication::keyScript()
{
    return qEnvironmentVariable("VYN_KEYS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void ZApplication::startKeyScript()
{
    if (m_keyScriptStarted)
        return;
    m_keyScriptStarted = true;
    bool ok = false;
    int interval = qEnvironmentVariableIntValue("VYN_KEY_INTERVAL", &ok);
    if (!ok || interval < 1)
        interval = 150;
    int delay = interval;
    for (const QString &name : keyScript()) {
        QTimer::singleShot(delay, this, [name] { typeKey(name); });
        delay += interval;
    }
}

bool ZApplication::startHeadless()
{
    if (m_headlessStarted || !ZHeadless::isEnabled())
        return false;
    m_headlessStarted = true;
    QTimer::singleShot(ZHeadless::settleDelay(), this, &ZApplication::finishHeadless);
    return true;
}

void ZApplication::finishHeadless()
{
    QWidget *window = headlessWindow(m_mainWidget);
    m_headlessResult = ZHeadless::save(window, ZHeadless::outputPrefix()) ? 0 : 1;
    m_headlessFinished = true;
    exit(m_headlessResult);
}

int ZApplication::enter_loop()
{
    auto *app = qobject_cast<ZApplication *>(QCoreApplication::instance());
    if (app) {
        if (app->m_headlessFinished)
            return app->m_headlessResult;
        app->startKeyScript();
        app->startHeadless();
    }
    QEventLoop loop;
    nestedLoops().push_back(&loop);
    const int result = loop.exec();
    nestedLoops().pop_back();
    return result;
}

void ZApplication::exit_loop(int result)
{
    if (!nestedLoops().empty())
        nestedLoops().back()->exit(result);
}

int ZApplication::loopLevel()
{
    return int(nestedLoops().size());
}
