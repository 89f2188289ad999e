#include "common/Runtime.h"
#include "common/Units.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Tests run headless at the base resolution of 96 pixels per inch.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vevezo::PrepareHeadlessRuntime();
    QGuiApplication app(argc, argv);
    vevezo::SetScreenPixelsPerInch(96);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
