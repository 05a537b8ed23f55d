#include "zskinservice.h"
#include "vyndevice.h"
#include "zconfig.h"

#include <QFileInfo>
#include <QRegularExpression>

const char *const ZSkinService::DefaultTheme = "default";
const char *const ZSkinService::FontFamily = "DejaVu Sans";

namespace {

const int defaultPixelSize = 16;
const int largestPixelSize = 256;

// Theme and application names become path components: nothing that could leave the folder.
bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    return plain.match(name).hasMatch() && !name.contains(QLatin1String(".."));
}

QString skinFile(const QString &theme, const QString &name)
{
    return ZSkinService::themeFolder(theme) + QLatin1Char('/') + name + QStringLiteral(".cfg");
}

} // namespace

ZSkinService::ZSkinService(const char *appName)
    : m_appName(appName ? appName : "")
{
}

QString ZSkinService::appName() const
{
    return QString::fromLatin1(m_appName);
}

QString ZSkinService::currentTheme()
{
    const QString theme = ZConfig(QStringLiteral("/setup/vyn_theme.cfg"), true)
                                  .readEntry(QStringLiteral("Theme"), QStringLiteral("Current"),
                                             QString::fromLatin1(DefaultTheme))
                                  .trimmed();
    return isPlainName(theme) ? theme : QString::fromLatin1(DefaultTheme);
}

QString ZSkinService::themeFolder(const QString &theme)
{
    return QStringLiteral("/usr/SYSqtapp/skins/") + theme;
}

QString ZSkinService::getAppThemeSkinFile(const QString &name) const
{
    const QString app = isPlainName(name) ? name : appName();
    if (!isPlainName(app))
        return QString();
    const QString defaultFile = skinFile(QString::fromLatin1(DefaultTheme), app);
    const QString themed = skinFile(currentTheme(), app);
    // A theme that does not restyle this application keeps the default look.
    if (themed != defaultFile && !QFileInfo::exists(VynDevice::hostPath(themed)))
        return defaultFile;
    return themed;
}

QFont ZSkinService::getSkinFont(const ZFontInfo &info) const
{
    QFont font(QString::fromLatin1(FontFamily));
    int size = info.size;
    if (size <= 0)
        size = defaultPixelSize;
    font.setPixelSize(qMin(size, largestPixelSize));
    font.setBold(info.style & ZFontInfo::Bold);
    font.setItalic(info.style & ZFontInfo::Italic);
    return font;
}
