#ifndef ZLOG_H
#define ZLOG_H

#include <QLoggingCategory>

// Logging ports of the platform, each one a Qt logging category named "vyn.<port>", so
// QT_LOGGING_RULES switches them like any other category.
const QLoggingCategory &zlog(const char *port);

// A program initialises its port once; a library opens its own on first use.
void ZLOG_Init(const char *port);
void ZLOG_Open(const char *port);
void ZLOG_Close(const char *port);

#endif
