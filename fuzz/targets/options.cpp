// The prayer-times tool's options: the input is the argument list, one argument a line; a
// location that parses is then resolved as the tool does.
#include "fuzzcheck.h"

#include "options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::ensureApplication();
    Fuzz::deviceRoot();
    QStringList arguments { QStringLiteral("prayertimes") };
    const QByteArray content = Fuzz::bytes(data, size);
    if (!content.isEmpty()) {
        for (const QByteArray &argument : content.split('\n'))
            arguments << QString::fromUtf8(argument);
    }
    ToolOptions options;
    QString problem;
    if (parseToolOptions(arguments, options, problem) != OptionsResult::Run)
        return 0;
    ToolLocation location;
    if (resolveLocation(options, location, problem) && options.first.isValid())
        offsetOn(location, options.first);
    return 0;
}
