#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "png_layout.h"
#include "staged_paths.h"

namespace packaging {
namespace {

namespace fs = std::filesystem;

constexpr int kIndexedColour = 3;

struct Image {
  std::string name;
  fs::path path;
  std::uint32_t size;
};

void PrintTo(const Image& image, std::ostream* out) {
  *out << image.path;
}

// The drawn images keep the 16-colour palette they were drawn with; the
// staged icons are installed copies of them.
class PngImage : public testing::TestWithParam<Image> {};

TEST_P(PngImage, File_IsSquareOfItsSizeInAtMostSixteenIndexedColours) {
  const Image& image = GetParam();
  const auto layout = readPngLayout(image.path);
  ASSERT_TRUE(layout) << image.path << ": missing or not a PNG";
  EXPECT_EQ(layout->width, image.size) << image.path;
  EXPECT_EQ(layout->height, image.size) << image.path;
  EXPECT_EQ(layout->colour_type, kIndexedColour) << image.path;
  EXPECT_GE(layout->palette_entries, 1) << image.path << ": no palette";
  EXPECT_LE(layout->palette_entries, 16) << image.path;
}

std::string imageName(const testing::TestParamInfo<Image>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(StagedIcons, PngImage,
                         testing::Values(Image{"Hicolor16", hicolorIcon("16x16", ".png"), 16},
                                         Image{"Hicolor32", hicolorIcon("32x32", ".png"), 32}),
                         imageName);

INSTANTIATE_TEST_SUITE_P(DrawnImages, PngImage,
                         testing::Values(Image{"Trefoil16", drawnIcons() / "trefoil-16.png", 16},
                                         Image{"Trefoil32", drawnIcons() / "trefoil-32.png", 32},
                                         Image{"Trefoil64", drawnIcons() / "trefoil-64.png", 64},
                                         Image{"Note16", drawnIcons() / "note-16.png", 16},
                                         Image{"Note32", drawnIcons() / "note-32.png", 32},
                                         Image{"Note64", drawnIcons() / "note-64.png", 64}),
                         imageName);

}  // namespace
}  // namespace packaging
