// The settings file codec: whatever a file holds, reading it, writing it and reading it back
// gives the same groups, keys and values, and writing is stable after the first pass.
#include "fuzzcheck.h"
#include "inifile.h"

namespace {

void checkRoundTrip(const QByteArray &content, int options)
{
    const IniFile first = IniFile::parse(content, options);
    const QByteArray written = first.serialise();
    // Values as written are only read back as such in the decoding form.
    if (options & IniFile::RawValues)
        return;
    const IniFile second = IniFile::parse(written);
    FUZZ_CHECK(first.groups() == second.groups() || written.isEmpty());
    for (const QString &group : first.groups()) {
        FUZZ_CHECK(first.keys(group) == second.keys(group));
        for (const QString &key : first.keys(group)) {
            QString a;
            QString b;
            FUZZ_CHECK(first.value(group, key, &a));
            FUZZ_CHECK(second.value(group, key, &b));
            FUZZ_CHECK(a == b);
        }
    }
    FUZZ_CHECK(second.serialise() == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::bytes(data, size);
    checkRoundTrip(content, 0);
    checkRoundTrip(content, IniFile::DesktopEntry);
    return 0;
}
