// The Debian package: cpack -G DEB makes vaulmoor_<version>_<arch>.deb holding
// every installed file under /usr, with the libraries' packages and the fonts
// and soundfont as its dependencies.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "installed_tree.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::RunCommand;
using testsupport::RunResult;

class DebianPackage : public installtest::InstalledTree {};

TEST_F(DebianPackage, HoldsTheInstalledTreeUnderUsrWithItsDependencies) {
  const RunResult cpack = RunCommand(
      root_, VAULMOOR_CPACK,
      {"-G", "DEB", "-B", root_ + "package", "--config", VAULMOOR_BUILD_DIR "/CPackConfig.cmake"},
      {}, root_ + "cpack-");
  ASSERT_EQ(cpack.exitStatus, 0) << cpack.out << cpack.err;
  const RunResult arch = RunCommand(root_, "dpkg", {"--print-architecture"}, {}, root_ + "arch-");
  ASSERT_EQ(arch.exitStatus, 0) << arch.err;
  const std::string deb = root_ + "package/vaulmoor_" VAULMOOR_VERSION "_" +
                          arch.out.substr(0, arch.out.find('\n')) + ".deb";
  ASSERT_TRUE(fs::exists(deb)) << cpack.out;

  // Every file of an install, at the same place under /usr.
  const RunResult contents = RunCommand(root_, "dpkg-deb", {"-c", deb}, {}, root_ + "contents-");
  ASSERT_EQ(contents.exitStatus, 0) << contents.err;
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(prefix_)) {
    if (entry.is_directory()) continue;
    ++files;
    const std::string path = " ./usr/" + fs::relative(entry.path(), prefix_).string() + "\n";
    EXPECT_NE(contents.out.find(path), std::string::npos) << path << contents.out;
  }
  EXPECT_GE(files, 25u);  // the program, 20 game files, entry, metadata, 5 icons, manual page
  for (const char* file : {" ./usr/bin/vaulmoor\n", " ./usr/share/vaulmoor/pal.bmp\n",
                           " ./usr/share/vaulmoor/data/stage.dat\n"})
    EXPECT_NE(contents.out.find(file), std::string::npos) << file;

  const RunResult fields =
      RunCommand(root_, "dpkg-deb", {"-f", deb, "Package", "Version", "Section", "Depends"}, {},
                 root_ + "fields-");
  ASSERT_EQ(fields.exitStatus, 0) << fields.err;
  EXPECT_NE(fields.out.find("Package: vaulmoor\n"), std::string::npos) << fields.out;
  EXPECT_NE(fields.out.find("Version: " VAULMOOR_VERSION "\n"), std::string::npos) << fields.out;
  EXPECT_NE(fields.out.find("Section: games\n"), std::string::npos) << fields.out;
  const std::string depends = fields.out.substr(fields.out.find("Depends: "));
  for (const char* package :
       {"fonts-ipafont-gothic", "xfonts-shinonome", "timgm6mb-soundfont", "libc6", "libsdl2-",
        "libfreetype", "libfontconfig", "libfluidsynth", "zlib1g"})
    EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;
}

}  // namespace
