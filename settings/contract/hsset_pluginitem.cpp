#include "hsset_pluginitem.h"
#include "settinglibrary.h"

#include <setup_set_manager.h>
#include <setup_utility.h>
#include <vyndevice.h>
#include <zlibrarypath.h>
#include <zlog.h>
#include <zresource.h>

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

namespace {

const char downloadCatalogue[] = "/vynlocal/download/appwrite/homescreen/hssetting.xml";
const char systemFolder[] = "/usr/SYSqtapp/homescreen";
// A catalogue lists a handful of libraries; anything much larger or deeper is not one.
const qint64 maximumCatalogueSize = 1024 * 1024;
const int maximumDepth = 32;

const QLoggingCategory &log()
{
    return zlog("qd_idle");
}

QString writePath(const char *tail)
{
    const char *base = std::getenv("VYN_APP_WRITE_PATH");
    return QStringLiteral("%1%2").arg(QString::fromLocal8Bit(base ? base : ""), QString::fromLatin1(tail));
}

bool shallowEnough(const QByteArray &content)
{
    QXmlStreamReader reader(content);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maximumDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

} // namespace

QString HSSET_PluginItem::catalogueDevicePath()
{
    const QString download = QString::fromLatin1(downloadCatalogue);
    if (QFileInfo::exists(VynDevice::hostPath(download)))
        return download;
    return QString::fromLatin1(systemFolder) + QStringLiteral("/hssetting.xml");
}

void HSSET_PluginItem::readCatalogue(HSSET_PluginList &list)
{
    readCatalogue(list, VynDevice::hostPath(catalogueDevicePath()));
}

void HSSET_PluginItem::readCatalogue(HSSET_PluginList &list, const QString &hostPath)
{
    list.clear();
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCInfo(log()) << "no settings catalogue at" << hostPath;
        return;
    }
    if (file.size() > maximumCatalogueSize) {
        qCWarning(log()) << "settings catalogue" << hostPath << "is too large:" << file.size() << "bytes";
        return;
    }
    const QByteArray content = VynDevice::readCapped(file, maximumCatalogueSize);
    if (content.size() > maximumCatalogueSize || !shallowEnough(content)) {
        qCWarning(log()) << "settings catalogue" << hostPath << "is too large or too deeply nested";
        return;
    }
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(content, &error, &line)) {
        qCWarning(log()) << "settings catalogue" << hostPath << "is not XML:" << error << "at line" << line;
        return;
    }

    const SETUP_SET_Manager idle(writePath("/setup/vyn_idle.cfg"), true);
    const QDomNodeList plugins = document.elementsByTagName(QStringLiteral("Plugin"));
    for (int i = 0; i < plugins.count(); ++i) {
        const QDomElement plugin = plugins.item(i).toElement();
        const QString name = plugin.firstChildElement(QStringLiteral("PluginName")).text();
        // The clock's settings are reached from the clock itself.
        if (name == QLatin1String("Clock"))
            continue;
        auto entry = std::make_unique<HSSET_PluginItem>(plugin);
        bool shown = true;
        idle.getSettingInfo(QStringLiteral("CustomizeSetting"), name, shown, true);
        if (!shown)
            continue;
        const auto at = std::upper_bound(list.begin(), list.end(), entry->order(),
                                         [](int order, const std::unique_ptr<HSSET_PluginItem> &other) {
                                             return order < other->order();
                                         });
        list.insert(at, std::move(entry));
    }
}

HSSET_PluginItem::HSSET_PluginItem(const QDomElement &plugin)
{
    element = document.importNode(plugin, true).toElement();
    document.appendChild(element);
    bool ok = false;
    const int order = text(QStringLiteral("DisplayOrder")).trimmed().toInt(&ok);
    displayOrder = ok ? order : 0;
}

HSSET_PluginItem::~HSSET_PluginItem()
{
    // Descriptors first: their code lives in the libraries.
    delete settingInfo;
    settingInfo = nullptr;
    for (HSPluginSettingInfo *old : m_retired)
        delete old;
    m_retired.clear();
    library.reset();
    flexLibrary.reset();
    m_oldLibraries.clear();
}

QString HSSET_PluginItem::text(const QString &child) const
{
    return element.firstChildElement(child).text();
}

QString HSSET_PluginItem::pluginName() const
{
    return text(QStringLiteral("PluginName"));
}

int HSSET_PluginItem::order() const
{
    return displayOrder;
}

HSPluginSettingInfo *HSSET_PluginItem::descriptor() const
{
    return settingInfo;
}

void HSSET_PluginItem::setDescriptor(HSPluginSettingInfo *fresh)
{
    if (settingInfo == fresh)
        return;
    HSPluginSettingInfo *old = settingInfo;
    settingInfo = fresh;
    if (!old)
        return;
    if (std::find(m_showing.begin(), m_showing.end(), old) != m_showing.end())
        m_retired.push_back(old);
    else
        delete old;
}

void HSSET_PluginItem::forgetLibrary(std::unique_ptr<SettingLibrary> &handle)
{
    // A descriptor from it may still be showing: it stays loaded until the entry goes.
    if (handle)
        m_oldLibraries.push_back(std::move(handle));
}

bool HSSET_PluginItem::flexSwitch() const
{
    const QString number = text(QStringLiteral("FlexForPlugin")).trimmed();
    bool ok = false;
    const int flag = number.toInt(&ok);
    if (!ok) {
        qCWarning(log()) << "settings entry" << pluginName() << "has no valid FlexForPlugin:" << number;
        return false;
    }
    if (flag == -1) {
        const QDomElement file = element.firstChildElement(QStringLiteral("FlexFile"));
        const QDomElement group = element.firstChildElement(QStringLiteral("FlexGroup"));
        const QDomElement item = element.firstChildElement(QStringLiteral("FlexItem"));
        if (file.isNull() || group.isNull() || item.isNull())
            return false;
        // The name comes from the catalogue: a file of the setup folder, never a path.
        if (file.text().contains(QLatin1Char('/')) || file.text().isEmpty()) {
            qCWarning(log()) << "settings entry" << pluginName() << "refused FlexFile" << file.text();
            return false;
        }
        const SETUP_SET_Manager settings(writePath("/setup/") + file.text(), true);
        bool on = false;
        settings.getSettingInfo(group.text(), item.text(), on, false);
        return on;
    }
    bool on = false;
    return SETUP_Utility::getFlexBit(quint16(flag), on) && on;
}

bool HSSET_PluginItem::isFlexActive(QWidget *owner)
{
    if (element.firstChildElement(QStringLiteral("FlexForPlugin")).isNull())
        return false;
    if (!flexSwitch())
        return false;
    if (!flexLibrary) {
        flexLibrary = SettingLibrary::open(text(QStringLiteral("FlexLibPath")));
        if (!flexLibrary)
            return false;
    }
    const HSGetSettingInfoFunction get = flexLibrary->getSettingInfo();
    HSPluginSettingInfo *fresh = get ? get(owner) : nullptr;
    if (!fresh) {
        forgetLibrary(flexLibrary);
        return false;
    }
    setDescriptor(fresh);
    return true;
}

QString HSSET_PluginItem::getPromptText(QWidget *owner)
{
    if (isFlexActive(owner))
        return settingInfo->getSettingTitle();
    const QString id = text(QStringLiteral("PluginPromptID"));
    if (id.isEmpty())
        return QString();
    const QByteArray idText = id.toUtf8();
    const QByteArray fallback = text(QStringLiteral("PluginPromptValue")).toUtf8();
    return ZResource::text("HSSET_PluginItem", idText.constData(), fallback.constData());
}

QString HSSET_PluginItem::getIconPath(QWidget *owner)
{
    if (isFlexActive(owner))
        return settingInfo->getSettingIcon();
    return text(QStringLiteral("PluginIcon"));
}

QString HSSET_PluginItem::getSubPromptText() const
{
    return text(QStringLiteral("PluginSubPromptValue"));
}

bool HSSET_PluginItem::isInstalled() const
{
    if (library || flexLibrary)
        return true;
    if (!ZLibraryPath::resolve(text(QStringLiteral("Path"))).isEmpty())
        return true;
    return !element.firstChildElement(QStringLiteral("FlexForPlugin")).isNull()
            && !ZLibraryPath::resolve(text(QStringLiteral("FlexLibPath"))).isEmpty();
}

void HSSET_PluginItem::loadSettingInfo(QWidget *owner)
{
    if (isFlexActive(owner))
        return;
    if (library && settingInfo)
        return;
    if (!library) {
        library = SettingLibrary::open(text(QStringLiteral("Path")));
        if (!library)
            return;
    }
    const HSGetSettingInfoFunction get = library->getSettingInfo();
    HSPluginSettingInfo *fresh = get ? get(owner) : nullptr;
    if (!fresh) {
        qCInfo(log()) << "settings library" << library->path() << "offers no settings now";
        forgetLibrary(library);
    }
    setDescriptor(fresh);
}

void HSSET_PluginItem::reloadSettingInfo(QWidget *owner)
{
    if (!library) {
        loadSettingInfo(owner);
        return;
    }
    setDescriptor(nullptr);
    const HSGetSettingInfoFunction get = library->getSettingInfo();
    if (!get)
        return;
    HSPluginSettingInfo *fresh = get(owner);
    if (!fresh) {
        forgetLibrary(library);
        loadSettingInfo(owner);
        return;
    }
    setDescriptor(fresh);
}

bool HSSET_PluginItem::showSettingWidget(QWidget *parent)
{
    HSPluginSettingInfo *info = settingInfo;
    if (!info)
        return false;
    m_showing.push_back(info);
    info->showSettingWidget(parent);
    m_showing.erase(std::find(m_showing.begin(), m_showing.end(), info));
    // Replaced while it ran: it can go now.
    const auto retired = std::find(m_retired.begin(), m_retired.end(), info);
    if (retired != m_retired.end() && std::find(m_showing.begin(), m_showing.end(), info) == m_showing.end()) {
        m_retired.erase(retired);
        delete info;
    }
    return true;
}
