#ifndef ZRESOURCE_H
#define ZRESOURCE_H

#include <QString>

// Resource texts: fetched by identifier ("TXT_RID_...", "FMT_RID_...") in the translation
// context of the class that shows them, with the English text when no loaded translation has it.
class ZResource
{
public:
    static QString text(const char *context, const char *id, const char *fallback);
    // Loads the translations of a language ("ar", "fr-fr", ...) from "/usr/SYSqtapp/translations"
    // and drops those of the previous language. False when there are none.
    static bool loadLanguage(const QString &languageCode);
    // The code last given to loadLanguage, lower case; empty before.
    static QString languageCode();
};

// In a QObject class: the class's own context.
#define RES_TEXT(id, fallback) ZResource::text(metaObject()->className(), id, fallback)

#endif
