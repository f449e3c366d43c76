// Saves what an X display shows as a PNG: vesperon_screenshot FILE [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 6) {
        std::cerr << "usage: vesperon_screenshot FILE [X Y WIDTH HEIGHT]\n";
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect all = screen->virtualGeometry();
    const QRect area
        = argc == 6 ? QRect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])) : all;
    // Grabbing the root window takes global coordinates relative to the primary screen's origin.
    const QPixmap shot = screen->grabWindow(
        0, area.x() - screen->geometry().x(), area.y() - screen->geometry().y(), area.width(), area.height());
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "vesperon_screenshot: could not save " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
