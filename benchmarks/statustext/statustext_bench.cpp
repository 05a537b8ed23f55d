// statustext_bench: cost of one line-two refresh of the status-text engine and of one repaint
// of the view, in µs, and what a burst of phone-state changes costs and how often the view
// paints for it.
#include <fakepluginsite.h>
#include <hs_idle_frame.h>
#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <qcopchannel.h>
#include <statustextinfoengine.h>
#include <statustextpainter.h>
#include <zmarqueetext.h>
#include <tapi_client.h>
#include <vynchannels.h>
#include <vyndevice.h>
#include <vynphone.h>

#include <QApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <functional>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void report(const char *name, int iterations, const std::function<void()> &operation)
{
    operation(); // warm-up: files, caches, lazy instances
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        operation();
    const double micros = double(timer.nsecsElapsed()) / 1000.0 / iterations;
    out() << name << ": " << QString::number(micros, 'f', 1) << " µs" << Qt::endl;
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();
    TAPI_Client tapi;
    HS_IDLE_Frame::pTapi = &tapi;

    // A busy line two: everything above the charging state is off, so every rule is asked.
    VynPhone::set(QStringLiteral("charger"), QStringLiteral("charging"));
    settle();
    {
        StatusTextInfoEngine engine;
        report("line-two refresh", 2000, [&engine] { engine.slotUpdateTextLine2(); });
    }

    const QString path = QStringLiteral(VYN_BENCH_LIB_DIR "/libstatustext_plugin.so");
    HSPluginLibrary library(path);
    if (!library.isLoaded()) {
        fprintf(stderr, "statustext_bench: %s\n", qPrintable(library.errorString()));
        return 1;
    }
    FakePluginSite site(QStringLiteral("StatusText"));
    HSPlugin *plugin = library.createInstance(&site);
    QWidget *container = site.containerWidget();
    container->setGeometry(plugin->geometry(FakePluginSite::offeredArea()));
    plugin->initialize();
    plugin->activate();
    site.screen()->show();
    settle();
    report("repaint, short lines", 1000, [container] { container->repaint(); });
    // A long cell broadcast, so the marquee draws its whole text.
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << QStringLiteral("Cell broadcast: heavy rain expected this evening across the northern districts");
    QCopChannel::send(VynChannel::StatusText, VynMessage::CellBroadcast, data);
    settle();
    report("repaint, long line two (marquee)", 1000, [container] { container->repaint(); });

    // The view's own part of a repaint: the buffer drawn, without the window system's.
    {
        const StatusTextTheme::Theme theme = StatusTextTheme::read();
        const StatusTextPainter::LineRects rects = StatusTextPainter::layoutLines(container->width(), 0, false, theme);
        ZMarqueeText lineOne;
        ZMarqueeText lineTwo;
        lineOne.setGeometry(rects.lineOne);
        lineTwo.setGeometry(rects.lineTwo);
        lineOne.setFont(theme.font);
        lineTwo.setFont(theme.font);
        lineOne.setText(QStringLiteral("Vyn Mobile"));
        lineTwo.setText(QStringLiteral("Charging"));
        QPixmap buffer(container->size());
        const StatusTextPainter::Scene scene;
        report("draw into the buffer, short lines", 1000, [&] {
            StatusTextPainter::paint(buffer, container, lineOne, lineTwo, scene, theme);
        });
        lineTwo.setText(QStringLiteral("Cell broadcast: heavy rain expected this evening across the northern districts"));
        report("draw into the buffer, long line two", 1000, [&] {
            StatusTextPainter::paint(buffer, container, lineOne, lineTwo, scene, theme);
        });
    }

    PaintCounter counter;
    container->installEventFilter(&counter);
    settle();
    counter.paints = 0;
    const int changes = 1000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < changes; ++i)
        VynPhone::set(QStringLiteral("level"), QString::number(i % 5));
    const qint64 writeNs = timer.nsecsElapsed();
    timer.restart();
    settle();
    const qint64 deliverNs = timer.nsecsElapsed();
    out() << "burst of " << changes << " phone-state changes: written and announced in "
          << QString::number(writeNs / 1e6, 'f', 1) << " ms, delivered and shown in "
          << QString::number(deliverNs / 1e6, 'f', 1) << " ms (" << QString::number(deliverNs / 1e3 / changes, 'f', 1)
          << " µs a change), " << counter.paints << " paint(s)" << Qt::endl;
    container->removeEventFilter(&counter);

    library.destroyInstance(plugin);
    HS_IDLE_Frame::pTapi = nullptr;
    return 0;
}
