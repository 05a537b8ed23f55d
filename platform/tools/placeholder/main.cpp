// vyn-placeholder NAME [ARG...]: stands in for a handset application (messages, calendar, ...)
// that the registry points at, showing which application was asked for and with what.
#include <zapplication.h>
#include <zheadless.h>
#include <zresource.h>
#include <zkbmainwidget.h>
#include <zsoftkey.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTextStream>

namespace {

class PlaceholderWindow : public ZKbMainWidget
{
protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape) {
            close();
            return;
        }
        ZKbMainWidget::keyPressEvent(event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    ZApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    if (args.value(0) == QLatin1String("--help") || args.value(0) == QLatin1String("-h")) {
        out << "usage: vyn-placeholder NAME [ARG...]\n"
               "Shows the application NAME and the arguments it was started with; Escape or F2 closes it.\n";
        return 0;
    }
    const QString name = args.isEmpty() ? QStringLiteral("Application") : args.takeFirst();
    out << "vyn-placeholder: " << name;
    for (const QString &arg : std::as_const(args))
        out << " [" << arg << ']';
    out << Qt::endl;

    auto *window = new PlaceholderWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAppTitle(name);
    QStringList lines { name };
    if (args.isEmpty())
        lines << QStringLiteral("No arguments");
    else
        lines << QStringLiteral("Arguments:") << args;
    auto *label = new QLabel(lines.join(QLatin1Char('\n')));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    ZHeadless::setDumpText(label, lines);
    window->setContentWidget(label);
    ZSoftKey *keys = window->getSoftKey(true);
    keys->setText(ZSoftKey::Right, ZResource::text("Global", "TXT_RID_SOFTKEY_BACK", "Back"));
    keys->setClickedSlot(ZSoftKey::Right, window, SLOT(close()));
    app.setMainWidget(window);
    return app.exec();
}
