#include "common/Runtime.h"
#include "common/Units.h"
#include "data/PinnedSettings.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

// Tests run headless at the base resolution of 96 pixels per inch, with fixed locale settings.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vevezo::PrepareHeadlessRuntime();
    QGuiApplication app(argc, argv);
    vevezo::SetScreenPixelsPerInch(96);
    // Formatting and data packets read the user's locale: pin it, so that no test depends on
    // the machine it runs on.
    vevezo::SetUserFormatSettings(PinnedSettings());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
