// The settings catalogue XML, and what the settings program asks of each entry before it
// loads anything.
#include "fuzzcheck.h"

#include <hsset_pluginitem.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::ensureApplication();
    const QString path = Fuzz::deviceRoot() + QStringLiteral("/catalogue.xml");
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    HSSET_PluginList list;
    HSSET_PluginItem::readCatalogue(list, path);
    for (const auto &item : list) {
        item->pluginName();
        item->order();
        item->text(QStringLiteral("Path"));
        item->getSubPromptText();
        item->isInstalled();
    }
    return 0;
}
