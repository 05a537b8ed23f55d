#ifndef UTIL_LANGUAGE_H
#define UTIL_LANGUAGE_H

#include <QString>

// Writes the display language code ("en-us", "ar", ...) of "/tmp/vyn_system.cfg", group
// "SYS_SYSTEM_SET", key "LanguageType", into buffer, which must hold at least 11 bytes: up to
// 10 characters and a terminating zero. 1 on success; 0, leaving the buffer untouched, when
// the setting is missing or is not a language code that fits.
int UTIL_GetLanguageCode(char *buffer);

class UTIL_Language
{
public:
    static constexpr int CodeBufferSize = 11;

    // The display language code, "en-us" when none is set.
    static QString getSystemLanguageCode();
    // True for languages written right to left: Arabic, Hebrew, Persian, Urdu (any region).
    static bool isRtlLanguage(const QString &code);
};

#endif
