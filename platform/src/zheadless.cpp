#include "zheadless.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QSaveFile>
#include <QVariant>
#include <QWidget>

#include <cstdio>

const char *const ZHeadless::DumpProperty = "vynDumpText";

namespace {

const int defaultDelay = 300;
const int maximumDelay = 60000;

void collect(const QObject *object, const QWidget *window, QStringList &lines)
{
    if (object->isWidgetType()) {
        const auto *widget = static_cast<const QWidget *>(object);
        if (widget != window && !widget->isVisibleTo(window))
            return;
    }
    const QVariant value = object->property(ZHeadless::DumpProperty);
    if (value.isValid()) {
        QStringList texts = value.typeId() == QMetaType::QStringList ? value.toStringList()
                                                                     : QStringList(value.toString());
        for (const QString &text : std::as_const(texts)) {
            if (!text.isEmpty())
                lines += text.split(QLatin1Char('\n'));
        }
    }
    for (const QObject *child : object->children())
        collect(child, window, lines);
}

void complain(const QString &message)
{
    fprintf(stderr, "headless: %s\n", qPrintable(message));
}

} // namespace

bool ZHeadless::isEnabled()
{
    return !outputPrefix().isEmpty();
}

QString ZHeadless::outputPrefix()
{
    return qEnvironmentVariable("VYN_HEADLESS_OUTPUT");
}

int ZHeadless::settleDelay()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("VYN_HEADLESS_DELAY", &ok);
    if (!ok || value < 0)
        return defaultDelay;
    return qMin(value, maximumDelay);
}

QStringList ZHeadless::dump(QWidget *window)
{
    QStringList lines;
    if (window)
        collect(window, window, lines);
    return lines;
}

bool ZHeadless::save(QWidget *window, const QString &prefix)
{
    if (!window || prefix.isEmpty()) {
        complain(QStringLiteral("nothing to save"));
        return false;
    }
    const QFileInfo info(prefix + QStringLiteral(".png"));
    if (!QDir().mkpath(info.absolutePath())) {
        complain(QStringLiteral("cannot create %1").arg(info.absolutePath()));
        return false;
    }

    bool ok = true;
    const QPixmap shot = window->grab();
    // Written through QSaveFile so a failed run never leaves half a picture behind.
    QSaveFile png(prefix + QStringLiteral(".png"));
    if (shot.isNull() || !png.open(QIODevice::WriteOnly) || !shot.save(&png, "PNG") || !png.commit()) {
        complain(QStringLiteral("cannot write %1").arg(png.fileName()));
        ok = false;
    }

    QSaveFile text(prefix + QStringLiteral(".txt"));
    QByteArray content;
    for (const QString &line : dump(window))
        content += line.toUtf8() + '\n';
    if (!text.open(QIODevice::WriteOnly) || text.write(content) != content.size() || !text.commit()) {
        complain(QStringLiteral("cannot write %1").arg(text.fileName()));
        ok = false;
    }
    return ok;
}

void ZHeadless::setDumpText(QObject *object, const QStringList &lines)
{
    if (!object)
        return;
    if (lines.isEmpty())
        object->setProperty(DumpProperty, QVariant());
    else
        object->setProperty(DumpProperty, lines);
}

void ZHeadless::setDumpText(QObject *object, const QString &line)
{
    setDumpText(object, line.isEmpty() ? QStringList() : QStringList(line));
}
