// Prints the displays as Vesperon sees them, one "id name x y width height" line each, so that two
// runs of the program can be compared.
#include "display/DisplayInfo.h"
#include "platform/NotificationCenter.h"
#include "platform/qt/QtScreenSource.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    vesperon::NotificationCenter notifications;
    vesperon::QtScreenSource screens(notifications);
    for (const auto& display : vesperon::DisplayInfo::getAllDisplays(screens)) {
        std::cout << display.id << ' ' << display.displayName() << ' ' << display.frame.x << ' ' << display.frame.y
                  << ' ' << display.frame.width << ' ' << display.frame.height << '\n';
    }
}
