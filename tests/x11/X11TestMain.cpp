// Tests on a real X server: each test process starts its own Xvfb and a Qt application on it.
#include "x11/TestServer.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {
std::unique_ptr<vesperon::testing::XvfbServer> server;
}

vesperon::testing::XvfbServer& vesperon::testing::testServer()
{
    return *server;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest asks before running them) needs no server.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    server = std::make_unique<vesperon::testing::XvfbServer>();
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        result = RUN_ALL_TESTS();
    }
    server.reset();
    return result;
}
