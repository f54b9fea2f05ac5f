#include "text/run_error.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(CommonErrorText, NamesNumberAndDescription) {
    EXPECT_EQ(
        commonErrorText(RunError(53)),
        "An error has occurred. Error number 53 -- File not found.  Try again, or notify author.");
    EXPECT_EQ(importErrorText(RunError(75)),
              "An error has occurred. Error number 75 -- Path/File access error.  Try again, or "
              "notify Varnel.");
}

}  // namespace
}  // namespace varnel
