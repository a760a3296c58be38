#pragma once

#include <filesystem>
#include <string>

// Where the staged install and the drawn images are, handed in by the build.
namespace packaging {

inline std::string appId() {
  return QUARVEL_APP_ID;
}
inline std::filesystem::path stage() {
  return QUARVEL_STAGE_DIR;
}
inline std::filesystem::path drawnIcons() {
  return QUARVEL_DRAWN_ICONS_DIR;
}

inline std::filesystem::path desktopEntry() {
  return stage() / "share/applications" / (appId() + ".desktop");
}
inline std::filesystem::path metainfo() {
  return stage() / "share/metainfo" / (appId() + ".metainfo.xml");
}
inline std::filesystem::path hicolorIcon(const std::string& size, const std::string& extension) {
  return stage() / "share/icons/hicolor" / size / "apps" / (appId() + extension);
}

}  // namespace packaging
