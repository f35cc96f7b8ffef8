// The hand-written projects of tests/data/codegen: generated from their
// files, both outputs match the expected files byte for byte.
//   plain:    one window without handlers, no menus, no resources
//   controls: a modal dialog with every kind of control (ImageBoxes from an
//             absolute file, a relative file, a resource, a frame, a stale
//             resource, a UNC path), control events with and without codes,
//             an LF-only source
//   events:   every window event, a menu handler, the user's own window
//             procedure, handlers in block and line comments and after a
//             string holding "/*"
//   project:  every window type and background, icons known and unknown,
//             option 0x2, menus with nested and empty popups, separators,
//             states, captions with quotes and backslashes, IDs differing
//             only in letter case
#include <gtest/gtest.h>

#include "codegen_test_support.h"

namespace {

using namespace codegen_test;

struct GoldenCase {
  const char* dir;
  const char* project;
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.dir; }

class CodegenGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CodegenGolden, OutputsMatchTheHandWrittenFiles) {
  const GoldenCase& c = GetParam();
  const ProjectState project = OpenCase(c.dir, c.project);
  ASSERT_FALSE(project.windows.empty());
  const WindowCode code = GenerateWindowCode(project, CaseSources(c.dir));
  const std::string callback = LoadData(std::string(c.dir) + "/" + kCallbackFileName);
  const std::string makeWindow = LoadData(std::string(c.dir) + "/" + kMakeWindowFileName);
  EXPECT_TRUE(code.callback == callback) << FirstDifference(callback, code.callback);
  EXPECT_TRUE(code.makeWindow == makeWindow) << FirstDifference(makeWindow, code.makeWindow);
  EXPECT_EQ(CodePageFault(code.callback), std::string::npos);
  EXPECT_EQ(CodePageFault(code.makeWindow), std::string::npos);
  // The expected files themselves are what the program writes.
  EXPECT_EQ(CodePageFault(callback), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, CodegenGolden,
                         ::testing::Values(GoldenCase{"plain", "Plain"}, GoldenCase{"controls", "Ctl"},
                                           GoldenCase{"events", "Ev"}, GoldenCase{"project", "Multi"}),
                         [](const auto& info) { return std::string(info.param.dir); });

}  // namespace
