// Runs a fuzz target over files instead of a fuzzing engine: every file named, and every file
// inside a folder named. The normal build links the targets with this, so the test command
// replays the seed corpora and the inputs that once crashed without needing the engine.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));

namespace {

bool replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fprintf(stderr, "replay: cannot read %s\n", qPrintable(path));
        return false;
    }
    // A copy of its own, sized exactly, so a read past the end shows under the sanitizers.
    const QByteArray content = file.readAll();
    std::unique_ptr<uint8_t[]> bytes(new uint8_t[size_t(content.size()) + (content.isEmpty() ? 1 : 0)]);
    memcpy(bytes.get(), content.constData(), size_t(content.size()));
    LLVMFuzzerTestOneInput(bytes.get(), size_t(content.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int files = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            QStringList found;
            while (it.hasNext())
                found << it.next();
            found.sort();
            for (const QString &file : std::as_const(found)) {
                ok = replay(file) && ok;
                ++files;
            }
        } else if (QFileInfo::exists(path)) {
            ok = replay(path) && ok;
            ++files;
        }
    }
    printf("replayed %d inputs\n", files);
    return ok ? 0 : 1;
}
