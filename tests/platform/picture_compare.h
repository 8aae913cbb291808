#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/bitmap.h"

namespace orvane::test {

// Equal pictures, or a failure naming the first differing pixel; on a mismatch the actual
// picture, the expected one and a difference map (white where they differ) are written as
// PPM files under platform_test_output/ in the working directory.
::testing::AssertionResult samePicture(const Bitmap& actual, const Bitmap& expected,
                                       const std::string& name);

}  // namespace orvane::test

namespace orvane {

// Readable rectangles in assertion messages.
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

}  // namespace orvane
