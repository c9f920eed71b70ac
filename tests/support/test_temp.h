// A temporary file path of the running test's own, so tests run side by side never share one.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// "<Suite>.<Test>" of the running test, usable as one file name (parameterised
// names hold a '/').
inline std::string TestFileName() {
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string owner = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : owner)
    if (c == '/') c = '_';
  return owner;
}

// testing::TempDir() + "<Suite>.<Test>-<name>".
inline std::string TestTempPath(const std::string& name) {
  return testing::TempDir() + TestFileName() + "-" + name;
}

}  // namespace testsupport
