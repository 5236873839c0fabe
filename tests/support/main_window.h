#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "main_window/form1.h"
#include "runtime/program.h"

namespace testing_support {

// The program's main window, created and shown as the start-up does.
inline std::shared_ptr<kestravo::Form1> showMainWindow(runtime::Program& program) {
    auto form1 =
        std::static_pointer_cast<kestravo::Form1>(kestravo::Form1::createStartUpWindow(program));
    EXPECT_EQ(form1->putVisible(true), runtime::kOk);
    return form1;
}

}  // namespace testing_support
