// bare_window: the smallest Qt widgets program that does what prayer_app does headless: a
// 320x240 window with a title, five rows of a title and a time and a soft-key label, shown,
// its first frame saved as PNG, and quit. Usage: bare_window <prefix>
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    QWidget window;
    window.setFixedSize(320, 240);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Prayer Times")));
    const char *rows[] = { "Fajr", "Dhuhr", "Asr", "Maghrib", "Ishaa" };
    for (const char *row : rows) {
        layout->addWidget(new QLabel(QString::fromLatin1(row)));
        layout->addWidget(new QLabel(QStringLiteral("12:00")));
    }
    layout->addWidget(new QLabel(QStringLiteral("Back")));
    window.show();
    QTimer::singleShot(0, &window, [&window, &prefix] {
        window.grab().save(prefix + QStringLiteral(".png"), "PNG");
        QApplication::quit();
    });
    return app.exec();
}
