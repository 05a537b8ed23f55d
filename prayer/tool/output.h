#ifndef PRAYERTIMES_OUTPUT_H
#define PRAYERTIMES_OUTPUT_H

#include "options.h"

#include <QTextStream>

enum ExitCode { Success = 0, UsageError = 1, BadBatchLine = 2, OutOfRange = 3 };

// Buffered: flushed when the program ends, not per line.
QTextStream &out();
QTextStream &err();
int fail(const QString &message);

int printTimes(const ToolOptions &options, const ToolLocation &location);
int printHijri(const QDate &date);
int printEvents(const QDate &date, int count);

#endif
