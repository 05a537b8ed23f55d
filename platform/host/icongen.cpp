// vyn-icongen FOLDER: draws the application and settings icons the device ships into FOLDER
// (data/device/usr/SYSqtapp/icons): a rounded tile in the application's colour with its initials.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

struct Icon
{
    const char *file;
    const char *initials;
    QRgb colour;
};

const Icon icons[] = {
    { "browser_std.png", "W", 0x2f8fc8 },     { "calendar_std.png", "31", 0xc0392b },
    { "camera_std.png", "Ca", 0x555e68 },     { "contacts_std.png", "Co", 0x27ae60 },
    { "hssetting_std.png", "Hs", 0x8e44ad },  { "media_finder_std.png", "Mf", 0xd35400 },
    { "messages_std.png", "Ms", 0x16a085 },   { "music_id_std.png", "Mu", 0xe67e22 },
    { "prayer_times_std.png", "Pt", 0x1e8449 }, { "settings_std.png", "St", 0x7f8c8d },
    { "hsset_azaan.png", "Az", 0x1e8449 },    { "hsset_clock.png", "Cl", 0x2c3e50 },
    { "hsset_date.png", "Dt", 0xc0392b },     { "hsset_shortcut.png", "Ic", 0x2f8fc8 },
    { "hsset_wallpaper.png", "Wp", 0x8e44ad },
    { "islamic_calendar_std.png", "Ic", 0x117a65 }, { "recent_calls_std.png", "Rc", 0x2e86c1 },
    { "alarm_clock_std.png", "Al", 0xb9770e }, { "home_screen_std.png", "Hm", 0x5d6d7e },
    { "keypad_lock_std.png", "Kl", 0x34495e }, { "greeting_text_std.png", "Gt", 0xa04000 },
    { "sim_toolkit_std.png", "Sk", 0x6c3483 },
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: vyn-icongen FOLDER\n");
        return 2;
    }
    const int size = 48;
    for (const Icon &icon : icons) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gradient(0, 0, 0, size);
        const QColor colour = QColor::fromRgb(icon.colour);
        gradient.setColorAt(0, colour.lighter(130));
        gradient.setColorAt(1, colour.darker(115));
        QPainterPath tile;
        tile.addRoundedRect(QRectF(2, 2, size - 4, size - 4), 10, 10);
        painter.fillPath(tile, gradient);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(qstrlen(icon.initials) > 1 ? 19 : 24);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::fromLatin1(icon.initials));
        painter.end();
        const QString path = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/') + QLatin1String(icon.file);
        if (!image.save(path)) {
            fprintf(stderr, "vyn-icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
