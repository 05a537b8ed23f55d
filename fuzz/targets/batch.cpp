// The prayer-times tool's batch lines, read from stdin as the tool reads them.
#include "fuzzcheck.h"

#include "batch.h"

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = Fuzz::deviceRoot() + QStringLiteral("/batch-input");
    {
        QFile file(input);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    fflush(stdout);
    fflush(stderr);
    const int in = ::open(QFile::encodeName(input).constData(), O_RDONLY);
    const int null = ::open("/dev/null", O_WRONLY);
    FUZZ_CHECK(in >= 0 && null >= 0);
    const int savedIn = ::dup(STDIN_FILENO);
    const int savedOut = ::dup(STDOUT_FILENO);
    const int savedErr = ::dup(STDERR_FILENO);
    ::dup2(in, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    // The tool reports every bad line: not worth reading here.
    ::dup2(null, STDERR_FILENO);
    runBatch();
    fflush(stdout);
    fflush(stderr);
    ::dup2(savedIn, STDIN_FILENO);
    ::dup2(savedOut, STDOUT_FILENO);
    ::dup2(savedErr, STDERR_FILENO);
    for (int fd : { in, null, savedIn, savedOut, savedErr })
        ::close(fd);
    return 0;
}
