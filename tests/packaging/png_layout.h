#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace packaging {

// What the image checks need from a PNG, read from its IHDR and PLTE chunks.
struct PngLayout {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int colour_type = -1;
  int palette_entries = 0;  // 0 when no PLTE chunk comes before the image data
};

// Empty when the file cannot be read or does not start like a PNG.
std::optional<PngLayout> readPngLayout(const std::filesystem::path& path);

}  // namespace packaging
