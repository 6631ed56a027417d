// Test entry: a headless Qt application, then GoogleTest.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/ui/forms.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Application->SetExeName("vrx6120");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
