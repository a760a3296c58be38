#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "staged_paths.h"

namespace packaging {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The keys of the [Desktop Entry] group; later groups (actions) are not the entry itself.
std::map<std::string, std::string> desktopEntryKeys(const std::string& text) {
  std::map<std::string, std::string> keys;
  std::istringstream lines(text);
  std::string group;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with('[')) {
      group = line;
    } else if (group == "[Desktop Entry]" && line.find('=') != std::string::npos) {
      keys.emplace(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
    }
  }
  return keys;
}

TEST(StagedTree, FreshInstall_ContainsEveryFileTheDesktopNeeds) {
  const std::vector<fs::path> expected = {
      stage() / "bin/quarvel-calc",
      desktopEntry(),
      metainfo(),
      hicolorIcon("16x16", ".png"),
      hicolorIcon("32x32", ".png"),
      hicolorIcon("scalable", ".svg"),
  };
  for (const fs::path& file : expected) {
    EXPECT_TRUE(fs::is_regular_file(file)) << "missing: " << file;
  }
  const fs::perms program = fs::status(stage() / "bin/quarvel-calc").permissions();
  EXPECT_TRUE((program & fs::perms::owner_exec) != fs::perms::none)
      << "the program is installed without permission to run";
}

TEST(StagedTree, DesktopEntry_StartsTheInstalledProgramWithTheInstalledIcon) {
  const auto keys = desktopEntryKeys(readText(desktopEntry()));
  EXPECT_EQ(keys.contains("Exec") ? keys.at("Exec") : "(no Exec)", "quarvel-calc");
  EXPECT_EQ(keys.contains("Icon") ? keys.at("Icon") : "(no Icon)", appId());
}

TEST(StagedTree, Metainfo_NamesTheAppIdDesktopEntryProgramAndRelease) {
  const std::string text = readText(metainfo());
  for (const std::string& needle : std::vector<std::string>{
           "<id>" + appId() + "</id>",
           "<launchable type=\"desktop-id\">" + appId() + ".desktop</launchable>",
           "<binary>quarvel-calc</binary>",
           "<release version=\"" QUARVEL_VERSION "\"",
       }) {
    EXPECT_NE(text.find(needle), std::string::npos) << "metainfo lacks " << needle;
  }
}

// CMake keeps the version as written, so the release reads "1.00", not "1.0".
TEST(StagedTree, ProjectVersion_KeepsItsTwoDecimals) {
  EXPECT_STREQ(QUARVEL_VERSION, "1.00");
}

}  // namespace
}  // namespace packaging
