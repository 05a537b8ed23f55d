// prayertimes: the prayer-time calculator, Hijri calendar and Islamic events from a shell.
#include "batch.h"
#include "options.h"
#include "output.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("prayertimes"));

    ToolOptions options;
    QString problem;
    const OptionsResult parsed = parseToolOptions(QCoreApplication::arguments(), options, problem);
    if (parsed == OptionsResult::Help) {
        out() << problem;
        return Success;
    }
    if (parsed == OptionsResult::Error)
        return fail(problem);

    switch (options.mode) {
    case ToolMode::Batch:
        return runBatch();
    case ToolMode::Hijri:
        return printHijri(options.first);
    case ToolMode::Events:
        return printEvents(options.first, options.eventCount);
    case ToolMode::Times:
        break;
    }

    ToolLocation location;
    if (!resolveLocation(options, location, problem))
        return fail(problem);
    return printTimes(options, location);
}
