#include "setup_theme.h"
#include "am_global.h"
#include "qcopchannel.h"
#include "qwallpaper.h"
#include "vynchannels.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

bool isWave(const QByteArray &head)
{
    // RIFF size WAVE, then chunks; a playable file has at least the 44-byte canonical header.
    return head.size() >= 44 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

bool isMidi(const QByteArray &head)
{
    // MThd, header length 6, then format, tracks and division.
    return head.size() >= 14 && head.startsWith("MThd") && head.mid(4, 4) == QByteArray("\0\0\0\x06", 4);
}

bool isMp3(const QByteArray &head)
{
    if (head.size() >= 10 && head.startsWith("ID3"))
        return true;
    // A bare MPEG audio frame header: 11 sync bits, a valid layer and bitrate index.
    if (head.size() < 4)
        return false;
    const auto b1 = quint8(head[0]);
    const auto b2 = quint8(head[1]);
    const auto b3 = quint8(head[2]);
    return b1 == 0xff && (b2 & 0xe0) == 0xe0 && (b2 & 0x06) != 0 && (b3 & 0xf0) != 0xf0;
}

bool isAmr(const QByteArray &head)
{
    return head.startsWith("#!AMR\n") || head.startsWith("#!AMR-WB\n");
}

bool isAsf(const QByteArray &head)
{
    static const QByteArray guid("\x30\x26\xb2\x75\x8e\x66\xcf\x11\xa6\xd9\x00\xaa\x00\x62\xce\x6c", 16);
    return head.size() >= 30 && head.startsWith(guid);
}

} // namespace

bool SETUP_THEME::isRingTone(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(VynDevice::hostPath(path));
    if (!info.isFile() || !info.isReadable())
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(64);
    return isWave(head) || isMidi(head) || isMp3(head) || isAmr(head) || isAsf(head);
}

int SETUP_THEME::applyElement(int element, const QString &path, int)
{
    if (element != WallpaperElement)
        return UnknownElement;
    // The picked file may have gone since it was listed; the stored wallpaper then stays.
    const QString hostPath = VynDevice::hostPath(path);
    if (!path.startsWith(QLatin1Char('/')) || !QFileInfo(hostPath).isFile() || !QImageReader(hostPath).canRead()) {
        qCWarning(zlog("platform")) << "theme: not an image, wallpaper unchanged:" << path;
        return NotAnImage;
    }
    if (!QWallpaper::setWallpaperPath(path))
        return NotStored;
    QCopChannel::send(AM_Global::getLauncherChannel(), VynMessage::ShowWallPaper);
    return Applied;
}
