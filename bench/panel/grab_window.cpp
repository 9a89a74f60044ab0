// Saves one X window as a PNG: grab_window WINDOW_ID FILE. Used by the
// screenshot script under Xvfb, where no screenshot program is installed.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: grab_window WINDOW_ID FILE\n");
        return 2;
    }
    bool ok = false;
    const WId window = QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) {
        std::fprintf(stderr, "grab_window: no window %s or no screen\n", argv[1]);
        return 1;
    }
    const QPixmap shot = screen->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "grab_window: cannot grab %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
