// The finder image and the program icon: the committed files must be exactly what the generator
// makes (otherwise someone edited the picture in one place only), and the bytes must say what
// the program relies on: a 32x32 cursor whose hot spot is the centre of the white cross, an
// orange diamond around it and nothing outside.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/finder_image.h"

#ifndef VEXLUMEN_SOURCE_DIR
#error "VEXLUMEN_SOURCE_DIR must name the repository root"
#endif

namespace vexlumen {
namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kFileSize = 4286;
constexpr std::size_t kPixelsAt = 22 + 40;
constexpr std::size_t kMaskAt = kPixelsAt + 32 * 32 * 4;

Bytes ReadSourceFile(const std::string& relativePath) {
  std::ifstream file(std::string(VEXLUMEN_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  EXPECT_TRUE(file) << relativePath;
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

unsigned U16(const Bytes& b, std::size_t at) {
  return b.at(at) | b.at(at + 1) << 8;
}
std::uint32_t U32(const Bytes& b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

struct Pixel {
  unsigned r, g, b, a;
};

// (x, y) from the top left, as on screen; the file stores rows bottom first.
Pixel PixelAt(const Bytes& image, int x, int y) {
  const std::size_t at = kPixelsAt + (static_cast<std::size_t>(31 - y) * 32 + x) * 4;
  return Pixel{image.at(at + 2), image.at(at + 1), image.at(at), image.at(at + 3)};
}

bool MaskBit(const Bytes& image, int x, int y) {
  const std::size_t at = kMaskAt + static_cast<std::size_t>(31 - y) * 4 + x / 8;
  return (image.at(at) >> (7 - x % 8)) & 1;
}

bool IsWhite(const Pixel& p) {
  return p.r == 255 && p.g == 255 && p.b == 255 && p.a == 255;
}

void CheckBitmapHeader(const Bytes& image) {
  EXPECT_EQ(U32(image, 22), 40u);  // header size
  EXPECT_EQ(U32(image, 26), 32u);  // width
  EXPECT_EQ(U32(image, 30), 64u);  // colour image and mask
  EXPECT_EQ(U16(image, 34), 1u);   // planes
  EXPECT_EQ(U16(image, 36), 32u);  // bits per pixel
  EXPECT_EQ(U32(image, 38), 0u);   // uncompressed
  const std::uint32_t sizeImage = U32(image, 42);
  EXPECT_TRUE(sizeImage == 0 || sizeImage == 4096 + 128) << sizeImage;
}

TEST(FinderImageTest, CommittedFilesAreWhatTheGeneratorMakes) {
  const Bytes cursor = MakeFinderImage();
  ASSERT_EQ(cursor.size(), kFileSize);
  EXPECT_TRUE(ReadSourceFile("resources/finder.cur") == cursor)
      << "resources/finder.cur is stale: run make_finder_image and commit its output";
  const Bytes icon = MakeAppIcon();
  ASSERT_EQ(icon.size(), kFileSize);
  EXPECT_TRUE(ReadSourceFile("resources/app.ico") == icon)
      << "resources/app.ico is stale: run make_finder_image and commit its output";
}

TEST(FinderImageTest, CursorHeadersDescribeOne32x32ImageWithItsHotSpot) {
  const Bytes image = MakeFinderImage();
  ASSERT_EQ(image.size(), kFileSize);
  EXPECT_EQ(U16(image, 0), 0u);    // reserved
  EXPECT_EQ(U16(image, 2), 2u);    // cursor
  EXPECT_EQ(U16(image, 4), 1u);    // one image
  EXPECT_EQ(image[6], 32);         // width
  EXPECT_EQ(image[7], 32);         // height
  EXPECT_EQ(image[8], 0);          // no palette
  EXPECT_EQ(image[9], 0);          // reserved
  EXPECT_EQ(U16(image, 10), 15u);  // hot spot x
  EXPECT_EQ(U16(image, 12), 15u);  // hot spot y
  EXPECT_EQ(U32(image, 14), kFileSize - 22);
  EXPECT_EQ(U32(image, 18), 22u);
  CheckBitmapHeader(image);
}

TEST(FinderImageTest, IconIsTheSamePictureWithIconHeaders) {
  const Bytes icon = MakeAppIcon();
  const Bytes cursor = MakeFinderImage();
  ASSERT_EQ(icon.size(), kFileSize);
  EXPECT_EQ(U16(icon, 0), 0u);
  EXPECT_EQ(U16(icon, 2), 1u);  // icon
  EXPECT_EQ(U16(icon, 4), 1u);
  EXPECT_EQ(icon[6], 32);
  EXPECT_EQ(icon[7], 32);
  EXPECT_EQ(U16(icon, 10), 1u);   // planes
  EXPECT_EQ(U16(icon, 12), 32u);  // bits per pixel
  EXPECT_EQ(U32(icon, 14), kFileSize - 22);
  EXPECT_EQ(U32(icon, 18), 22u);
  EXPECT_TRUE(Bytes(icon.begin() + 22, icon.end()) == Bytes(cursor.begin() + 22, cursor.end()));
}

TEST(FinderImageTest, HotSpotIsTheWhiteCentreOfTheCross) {
  const Bytes image = MakeFinderImage();
  EXPECT_TRUE(IsWhite(PixelAt(image, 15, 15)));
  // The arms reach equally far on all four sides of the hot spot, so the hot spot is the
  // cross's centre; with rows stored the wrong way up the vertical arm would be off by one.
  for (int reach = 1; reach <= 6; ++reach) {
    SCOPED_TRACE(reach);
    EXPECT_TRUE(IsWhite(PixelAt(image, 15, 15 - reach)));
    EXPECT_TRUE(IsWhite(PixelAt(image, 15, 15 + reach)));
    EXPECT_TRUE(IsWhite(PixelAt(image, 15 - reach, 15)));
    EXPECT_TRUE(IsWhite(PixelAt(image, 15 + reach, 15)));
  }
  EXPECT_FALSE(IsWhite(PixelAt(image, 15, 8)));
  EXPECT_FALSE(IsWhite(PixelAt(image, 15, 22)));
  EXPECT_FALSE(IsWhite(PixelAt(image, 8, 15)));
  EXPECT_FALSE(IsWhite(PixelAt(image, 22, 15)));
  EXPECT_FALSE(IsWhite(PixelAt(image, 14, 14)));  // a thin cross, not a white block
}

TEST(FinderImageTest, OrangeDiamondAroundTheHotSpotAndTransparentOutside) {
  const Bytes image = MakeFinderImage();
  for (const auto& xy : {std::make_pair(11, 11), std::make_pair(20, 11), std::make_pair(11, 20),
                         std::make_pair(19, 19)}) {
    SCOPED_TRACE(::testing::Message() << xy.first << "," << xy.second);
    const Pixel p = PixelAt(image, xy.first, xy.second);
    EXPECT_EQ(p.a, 255u);
    EXPECT_GE(p.r, 0xE0u);
    EXPECT_TRUE(p.g >= 0x60 && p.g <= 0xB0) << p.g;
    EXPECT_LE(p.b, 0x40u);
  }
  // The tips lie in rows and columns 1 and 29, symmetric about the hot spot; a mirrored image
  // would put a tip in row or column 30 instead.
  EXPECT_GT(PixelAt(image, 15, 1).a, 0u);
  EXPECT_GT(PixelAt(image, 1, 15).a, 0u);
  EXPECT_GT(PixelAt(image, 15, 29).a, 0u);
  EXPECT_GT(PixelAt(image, 29, 15).a, 0u);
  EXPECT_EQ(PixelAt(image, 15, 30).a, 0u);
  EXPECT_EQ(PixelAt(image, 30, 15).a, 0u);
  for (const auto& xy : {std::make_pair(0, 0), std::make_pair(31, 0), std::make_pair(0, 31),
                         std::make_pair(31, 31), std::make_pair(5, 5)}) {
    SCOPED_TRACE(::testing::Message() << xy.first << "," << xy.second);
    const Pixel p = PixelAt(image, xy.first, xy.second);
    EXPECT_EQ(p.a, 0u);
  }
}

TEST(FinderImageTest, MaskHidesExactlyTheFullyTransparentPixels) {
  const Bytes image = MakeFinderImage();
  // Where alpha is not used the mask alone decides what shows; a wrong bit order or row order
  // would punch holes in the diamond or leave boxes around it.
  int hidden = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Pixel p = PixelAt(image, x, y);
      EXPECT_EQ(MaskBit(image, x, y), p.a == 0) << x << "," << y;
      if (p.a == 0) {
        EXPECT_EQ(p.r + p.g + p.b, 0u) << x << "," << y;
        ++hidden;
      }
    }
  }
  EXPECT_GT(hidden, 0);
  EXPECT_LT(hidden, 32 * 32);
}

}  // namespace
}  // namespace vexlumen
