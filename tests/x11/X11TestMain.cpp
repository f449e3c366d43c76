// Tests on a real X server: each test process starts its own Xvfb and a Qt application on it.
#include "support/XServer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {
std::unique_ptr<vesperon::testing::XvfbServer> server;
}

vesperon::testing::XvfbServer& vesperon::testing::testServer() { return *server; }

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) // CTest asks before running them: no server needed
        return RUN_ALL_TESTS();
    server = std::make_unique<vesperon::testing::XvfbServer>();
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
