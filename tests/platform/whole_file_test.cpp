// The one reader of whole files: regular files up to the reader's limit, and a
// refusal that says what the path is for anything else.
#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;
using platform::WholeFile;

TEST(WholeFile, ReadsRegularFilesUpToTheLimitAndRefusesTheRest) {
  const std::string root = testsupport::TestTempPath("files");
  fs::remove_all(root);
  fs::create_directories(root + "/folder");
  const std::string big(200'000, 'x');  // more than one read of the reader's
  for (const auto& [name, bytes] :
       {std::pair{"empty", std::string()}, std::pair{"four", std::string("abcd")},
        std::pair{"binary", std::string("a\0\r\n\xff", 5)}, std::pair{"big", big}}) {
    std::ofstream(root + "/" + name, std::ios::binary) << bytes;
  }
  const struct {
    const char* path;  // under root
    size_t limit;
    WholeFile outcome;
    std::string bytes;    // when read
    const char* problem;  // when not
  } cases[] = {
      {"/empty", 0, WholeFile::Read, "", ""},
      {"/four", 4, WholeFile::Read, "abcd", ""},
      {"/four", 3, WholeFile::Refused, "", "is larger than 3 bytes"},
      {"/binary", 5, WholeFile::Read, std::string("a\0\r\n\xff", 5), ""},
      {"/big", 200'000, WholeFile::Read, big, ""},
      {"/big", 199'999, WholeFile::Refused, "", "is larger than 199999 bytes"},
      {"/big", 64 << 10, WholeFile::Refused, "", "is larger than 64 KiB"},
      {"/big", 1, WholeFile::Refused, "", "is larger than 1 bytes"},
      {"/folder", 1 << 20, WholeFile::Refused, "", "is a folder"},
      {"/folder/", 1 << 20, WholeFile::Refused, "", "is a folder"},
      {"/absent", 1 << 20, WholeFile::Missing, "", "does not exist"},
      {"/absent/file", 1 << 20, WholeFile::Missing, "", "does not exist"},
      {"/four/file", 1 << 20, WholeFile::Missing, "", "does not exist"},  // a file as a folder
  };
  for (const auto& c : cases) {
    std::string bytes = "left over", problem = "left over";
    const std::string label = std::string(c.path) + " up to " + std::to_string(c.limit);
    EXPECT_EQ(platform::ReadWholeFile(root + c.path, c.limit, &bytes, &problem), c.outcome)
        << label;
    EXPECT_EQ(bytes, c.bytes) << label;
    if (c.outcome != WholeFile::Read) {
      EXPECT_EQ(problem, c.problem) << label;
    }
    // Asked only what the path is, the same words, and none for a file.
    EXPECT_EQ(platform::NotARegularFile(root + c.path),
              c.outcome == WholeFile::Read || std::string(c.problem).starts_with("is larger")
                  ? ""
                  : c.problem)
        << label;
  }
  fs::remove_all(root);
}

}  // namespace
