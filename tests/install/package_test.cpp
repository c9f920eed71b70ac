// The Debian package: cpack -G DEB makes vaulmoor_<version>_<arch>.deb holding
// every installed file under /usr, the program in /usr/games, with the
// libraries' packages, the IPAGothic font and the soundfont as its dependencies;
// lintian passes it, and the unpacked package plays.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "install/installed_tree.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::RunCommand;
using testsupport::RunResult;

class DebianPackage : public installtest::InstalledTree {
 protected:
  // Makes the package from the build's install rules in root_ + "package/";
  // its path, "" after a failed assertion.
  std::string MakePackage() {
    const RunResult cpack = RunCommand(
        root_, VAULMOOR_CPACK,
        {"-G", "DEB", "-B", root_ + "package", "--config", VAULMOOR_BUILD_DIR "/CPackConfig.cmake"},
        {}, root_ + "cpack-");
    EXPECT_EQ(cpack.exitStatus, 0) << cpack.out << cpack.err;
    const RunResult arch = RunCommand(root_, "dpkg", {"--print-architecture"}, {}, root_ + "arch-");
    EXPECT_EQ(arch.exitStatus, 0) << arch.err;
    const std::string deb = root_ + "package/vaulmoor_" VAULMOOR_VERSION "_" +
                            arch.out.substr(0, arch.out.find('\n')) + ".deb";
    EXPECT_TRUE(fs::exists(deb)) << cpack.out;
    return fs::exists(deb) ? deb : "";
  }
};

TEST_F(DebianPackage, HoldsTheInstalledTreeUnderUsrWithItsDependencies) {
  const std::string deb = MakePackage();
  ASSERT_NE(deb, "");

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
  // The program, 21 game files, 3 fonts and their licence, entry, metadata, 5 icons,
  // manual page, copyright and changelog.
  EXPECT_GE(files, 36u);
  for (const char* file :
       {" ./usr/games/vaulmoor\n", " ./usr/share/vaulmoor/pal.bmp\n",
        " ./usr/share/vaulmoor/data/stage.dat\n", " ./usr/share/vaulmoor/data/fonts/shnmk12.pcf\n",
        " ./usr/share/vaulmoor/data/fonts/shnm6x12a.pcf\n",
        " ./usr/share/vaulmoor/data/fonts/shnm6x12r.pcf\n",
        " ./usr/share/vaulmoor/data/fonts/shinonome-license.txt\n",
        " ./usr/share/doc/vaulmoor/copyright\n", " ./usr/share/doc/vaulmoor/changelog.gz\n"})
    EXPECT_NE(contents.out.find(file), std::string::npos) << file;

  const RunResult fields =
      RunCommand(root_, "dpkg-deb", {"-f", deb, "Package", "Version", "Section", "Depends"}, {},
                 root_ + "fields-");
  ASSERT_EQ(fields.exitStatus, 0) << fields.err;
  EXPECT_NE(fields.out.find("Package: vaulmoor\n"), std::string::npos) << fields.out;
  EXPECT_NE(fields.out.find("Version: " VAULMOOR_VERSION "\n"), std::string::npos) << fields.out;
  EXPECT_NE(fields.out.find("Section: games\n"), std::string::npos) << fields.out;
  const std::string depends = fields.out.substr(fields.out.find("Depends: "));
  for (const char* package : {"fonts-ipafont-gothic", "timgm6mb-soundfont", "libc6", "libsdl2-",
                              "libfreetype", "libfontconfig", "libfluidsynth"})
    EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;
  // The bitmap fonts are the game's own: no X font package.
  EXPECT_EQ(depends.find("xfonts-"), std::string::npos) << depends;
}

TEST_F(DebianPackage, LintianReportsNoErrorOrWarning) {
  const std::string deb = MakePackage();
  ASSERT_NE(deb, "");
  // As root (in a container), lintian warns on standard error that it should not
  // be, and checks all the same; only its report on standard output counts.
  const RunResult lintian =
      RunCommand(root_, "lintian", {"--fail-on", "error,warning", deb}, {}, root_ + "lintian-");
  EXPECT_EQ(lintian.exitStatus, 0) << lintian.out << lintian.err;
  std::istringstream lines(lintian.out);
  for (std::string line; std::getline(lines, line);)
    EXPECT_TRUE(line.rfind("E: ", 0) != 0 && line.rfind("W: ", 0) != 0) << line;
}

TEST_F(DebianPackage, UnpackedPlaysFromUsrGames) {
  const std::string deb = MakePackage();
  ASSERT_NE(deb, "");
  const std::string unpacked = root_ + "unpacked/";
  const RunResult extract = RunCommand(root_, "dpkg-deb", {"-x", deb, unpacked}, {}, root_ + "x-");
  ASSERT_EQ(extract.exitStatus, 0) << extract.err;

  // Every file it reads comes from the package: the bitmap fonts too, or a line
  // on standard error would say that one is missing.
  const installtest::Scripts scripts = installtest::MakeScripts();
  std::ofstream(root_ + "script.txt") << scripts.clearFirst;
  const RunResult run = RunCommand(unpacked, unpacked + "usr/games/vaulmoor",
                                   {"--headless", "--script", root_ + "script.txt", "--until",
                                    std::to_string(scripts.firstClearedMs)},
                                   installtest::FreshHome(root_ + "home"), root_ + "game-");
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadFile(root_ + "home/.local/share/vaulmoor/save.dat"), testsupport::SaveText(1));
}

// The copyright file in Debian's machine-readable format names the game's
// licence and the fonts' statement; the changelog is a Debian changelog whose
// newest entry is this version.
TEST_F(DebianPackage, CopyrightAndChangelogDescribeThisRelease) {
  const std::string doc = prefix_ + "share/doc/vaulmoor/";
  const std::string copyright = ReadFile(doc + "copyright");
  EXPECT_EQ(copyright.rfind("Format: https://www.debian.org/doc/packaging-manuals/"
                            "copyright-format/1.0/\n",
                            0),
            0u)
      << copyright;
  const std::string license = ReadFile(VAULMOOR_SOURCE_DIR "/LICENSE");
  EXPECT_EQ(license.rfind("MIT License\n\nCopyright (c) 2026 The Vaulmoor developers\n", 0), 0u);
  for (const char* text :
       {"\nFiles: *\nCopyright: 2026 The Vaulmoor developers\nLicense: Expat\n",
        "\nFiles: data/fonts/*\n", "\nLicense: Expat\n Permission is hereby granted",
        "\n .\n THE SOFTWARE IS PROVIDED \"AS IS\"", "\nLicense: public-domain\n They are in the",
        " 同時に、これらはすべて完全に無保証です。\n"})
    EXPECT_NE(copyright.find(text), std::string::npos) << text << "\n" << copyright;

  const RunResult inflated =
      RunCommand(root_, "gzip", {"-dc", doc + "changelog.gz"}, {}, root_ + "changelog-");
  ASSERT_EQ(inflated.exitStatus, 0) << inflated.err;
  const RunResult newest =
      RunCommand(root_, "dpkg-parsechangelog",
                 {"-l", root_ + "changelog-stdout.txt", "-S", "Version"}, {}, root_ + "parsed-");
  EXPECT_EQ(newest.exitStatus, 0) << newest.err;
  EXPECT_EQ(newest.out, VAULMOOR_VERSION "\n") << newest.err;
}

}  // namespace
