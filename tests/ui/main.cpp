// Test entry for the window tests: one window runtime for the process, offscreen.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "test_runtime.h"
#include "ui/runtime.h"

namespace vandrix::testing {
namespace {
ui::Runtime* runtime = nullptr;
}
ui::Runtime& testRuntime() {
    return *runtime;
}
}  // namespace vandrix::testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vandrix::ui::Runtime runtime(argc, argv, {});
    vandrix::testing::runtime = &runtime;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
