// What the install adds for the desktop: the entry and the AppStream metadata
// pass their validators, the icons are there at every size, and the manual page
// describes every option and key the help lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/options.h"
#include "install/installed_tree.h"
#include "support/run_folder.h"

namespace {

using testsupport::ReadFile;
using testsupport::RunCommand;

class InstalledDesktopFiles : public installtest::InstalledTree {
 protected:
  testsupport::RunResult Run(const std::string& program, const std::vector<std::string>& args) {
    return RunCommand(root_, program, args, {}, root_ + "tool-");
  }
};

uint32_t Big32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
  return value;
}

TEST_F(InstalledDesktopFiles, EntryAndMetadataPassTheirValidators) {
  const std::string entry = prefix_ + "share/applications/" VAULMOOR_APP_ID ".desktop";
  const testsupport::RunResult desktop = Run("desktop-file-validate", {entry});
  EXPECT_EQ(desktop.exitStatus, 0) << desktop.out << desktop.err;
  EXPECT_EQ(desktop.out + desktop.err, "");  // not even a hint
  const std::string text = ReadFile(entry);
  for (const char* line :
       {"Exec=vaulmoor\n", "Icon=" VAULMOOR_APP_ID "\n", "Categories=Game;LogicGame;\n",
        "Name=Vaulmoor\n", "Name[ja]=Vaulmoor\n", "GenericName[ja]=パズルゲーム\n",
        "\nComment[ja]=冷たい熟成庫で", "\nKeywords[ja]=パズル;"})
    EXPECT_NE(text.find(line), std::string::npos) << line;

  const std::string metainfo = prefix_ + "share/metainfo/" VAULMOOR_APP_ID ".metainfo.xml";
  const testsupport::RunResult appstream = Run("appstreamcli", {"validate", "--no-net", metainfo});
  EXPECT_EQ(appstream.exitStatus, 0) << appstream.out << appstream.err;
  const std::string xml = ReadFile(metainfo);
  EXPECT_NE(xml.find("<release version=\"" VAULMOOR_VERSION "\""), std::string::npos);
  // The game's licence, and a free one for the metadata itself.
  EXPECT_NE(xml.find("<project_license>MIT</project_license>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<metadata_license>CC0-1.0</metadata_license>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("<summary xml:lang=\"ja\">冷たい熟成庫で"), std::string::npos);
  EXPECT_NE(xml.find("<p xml:lang=\"ja\">Vaulmoor は、"), std::string::npos);
  EXPECT_NE(xml.find("<launchable type=\"desktop-id\">" VAULMOOR_APP_ID ".desktop<"),
            std::string::npos);
  // The README's screenshots, each described.
  const std::string readme = ReadFile(VAULMOOR_SOURCE_DIR "/README.md");
  for (const char* shot : {"docs/title.png", "docs/stage.png", "docs/delivery.png"}) {
    EXPECT_NE(readme.find(std::string("(") + shot + ")"), std::string::npos) << shot;
    const size_t at = xml.find(std::string("/") + shot + "</image>");
    ASSERT_NE(at, std::string::npos) << shot;
    const size_t caption = xml.rfind("<caption>", at);
    EXPECT_TRUE(caption != std::string::npos && xml.rfind("<screenshot", at) < caption) << shot;
  }
}

TEST_F(InstalledDesktopFiles, IconsAtEverySize) {
  for (uint32_t size : {32u, 48u, 64u, 128u, 256u}) {
    const std::string edge = std::to_string(size);
    const std::string png = ReadFile(prefix_ + "share/icons/hicolor/" + edge + "x" + edge +
                                     "/apps/" VAULMOOR_APP_ID ".png");
    ASSERT_GT(png.size(), 24u) << size;
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << size;
    EXPECT_EQ(png.substr(12, 4), "IHDR") << size;
    EXPECT_EQ(Big32(png, 16), size);
    EXPECT_EQ(Big32(png, 20), size);
  }
}

TEST_F(InstalledDesktopFiles, ManualPageDescribesEveryOptionAndKey) {
  const testsupport::RunResult page =
      Run("gzip", {"-dc", prefix_ + "share/man/man6/vaulmoor.6.gz"});
  ASSERT_EQ(page.exitStatus, 0) << page.err;
  std::string text = page.out;
  std::erase(text, '\\');  // roff's escapes: \-\- is --
  EXPECT_NE(text.find(".TH VAULMOOR 6"), std::string::npos);
  EXPECT_NE(text.find("vaulmoor " VAULMOOR_VERSION), std::string::npos);
  for (size_t i = 0; i < app::HELP_LINE_COUNT; ++i) {
    std::string name = app::HELP_LINES[i].name;
    if (app::HELP_LINES[i].section == app::HelpSection::Option)
      name = name.substr(0, name.find(' '));
    EXPECT_NE(text.find(name), std::string::npos) << name;
  }
}

}  // namespace
