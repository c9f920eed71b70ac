// What the reader of whole files makes of the things on Linux that are not
// regular files: a device without end, a pipe nobody writes to, a socket, and
// links to them. Each is refused at once, never opened or read.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/whole_file.h"
#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;
using platform::WholeFile;

TEST(WholeFileOnLinux, RefusesDevicesPipesAndSocketsWithoutOpeningThem) {
  const std::string root = testsupport::TestTempPath("things");
  fs::remove_all(root);
  fs::create_directories(root);
  ASSERT_EQ(mkfifo((root + "/pipe").c_str(), 0600), 0) << std::strerror(errno);
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listening, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = root + "/socket";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
      << std::strerror(errno);
  fs::create_symlink("/dev/zero", root + "/zero-link");
  fs::create_symlink(root + "/pipe", root + "/pipe-link");
  fs::create_symlink(root + "/nowhere", root + "/dangling-link");
  std::ofstream(root + "/file") << "text";
  fs::create_symlink(root + "/file", root + "/file-link");

  const struct {
    std::string path;
    WholeFile outcome;
    const char* problem;
  } cases[] = {
      {"/dev/zero", WholeFile::Refused, "is a device"},
      {"/dev/null", WholeFile::Refused, "is a device"},
      {root + "/zero-link", WholeFile::Refused, "is a device"},
      // A pipe with no writer: opening it for reading would wait for one.
      {root + "/pipe", WholeFile::Refused, "is a pipe"},
      {root + "/pipe-link", WholeFile::Refused, "is a pipe"},
      {socketPath, WholeFile::Refused, "is a socket"},
      {root + "/dangling-link", WholeFile::Missing, "does not exist"},
      {root + "/file-link", WholeFile::Read, ""},
  };
  for (const auto& c : cases) {
    std::string bytes, problem;
    EXPECT_EQ(platform::ReadWholeFile(c.path, 1 << 20, &bytes, &problem), c.outcome) << c.path;
    EXPECT_EQ(problem, c.problem) << c.path;
    EXPECT_EQ(platform::NotARegularFile(c.path), c.problem) << c.path;
  }
  close(listening);
  fs::remove_all(root);
}

// A file the user may not read names the system's reason (not as root, who may read anything).
TEST(WholeFileOnLinux, AnUnreadableFileGivesTheSystemsReason) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string path = testsupport::TestTempPath("secret");
  std::ofstream(path) << "text";
  fs::permissions(path, fs::perms::none);
  std::string bytes, problem;
  EXPECT_EQ(platform::ReadWholeFile(path, 1 << 20, &bytes, &problem), WholeFile::Refused);
  EXPECT_EQ(problem, "cannot be opened: Permission denied");
  fs::remove(path);
}

}  // namespace
