#include "resources/finder_image.h"

#include <cstdint>
#include <cstdlib>

namespace vexlumen {

namespace {

constexpr int kSide = 32;
constexpr int kHotSpot = 15;

// Geometry is measured in eighths of a pixel and the edges are smoothed by counting 4x4 samples
// per pixel, all in integers, so every compiler and platform writes the same bytes and the
// committed files can be compared with what this code makes.
constexpr int kSub = 8;
constexpr int kCentre = kHotSpot * kSub + kSub / 2;  // middle of the hot-spot pixel
// Distances are |dx| + |dy|, which makes the shape a diamond standing on a corner.
constexpr int kOuterRadius = 116;     // 14.5 pixels: tips on rows and columns 1 and 29
constexpr int kRimInnerRadius = 96;   // a rim 2.5 pixels wide
constexpr int kCrossHalfWidth = 4;    // exactly the hot-spot pixel's row and column
constexpr int kCrossHalfLength = 52;  // 6.5 pixels: arms end on whole pixels, 9 to 21

struct Rgb {
  int r, g, b;
};
constexpr Rgb kOrange{0xFF, 0x8C, 0x00};
constexpr Rgb kPaleRim{0xFF, 0xDC, 0xA0};
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};

struct Bgra {
  std::uint8_t b, g, r, a;
};

// Colour of one sample point; false where it lies outside the diamond.
bool SampleColour(int sx, int sy, Rgb* colour) {
  const int dx = std::abs(sx - kCentre);
  const int dy = std::abs(sy - kCentre);
  const int distance = dx + dy;
  if (distance >= kOuterRadius) return false;
  const bool onCross = (dx < kCrossHalfWidth && dy < kCrossHalfLength) ||
                       (dy < kCrossHalfWidth && dx < kCrossHalfLength);
  if (onCross) {
    *colour = kWhite;
  } else if (distance >= kRimInnerRadius) {
    *colour = kPaleRim;
  } else {
    *colour = kOrange;
  }
  return true;
}

// Straight (not premultiplied) alpha, as icons and cursors expect; fully transparent pixels are
// all zero so that the mask and the colour agree.
Bgra PixelAt(int x, int y) {
  int covered = 0;
  int sumR = 0, sumG = 0, sumB = 0;
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 4; ++i) {
      Rgb c{};
      if (!SampleColour(x * kSub + 2 * i + 1, y * kSub + 2 * j + 1, &c)) continue;
      ++covered;
      sumR += c.r;
      sumG += c.g;
      sumB += c.b;
    }
  }
  if (covered == 0) return Bgra{0, 0, 0, 0};
  const auto average = [covered](int sum) {
    return static_cast<std::uint8_t>((sum + covered / 2) / covered);
  };
  return Bgra{average(sumB), average(sumG), average(sumR),
              static_cast<std::uint8_t>((covered * 255 + 8) / 16)};
}

// The file formats are little-endian whatever the host is.
void PutU8(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
}
void PutU16(std::vector<unsigned char>& out, unsigned value) {
  PutU8(out, value);
  PutU8(out, value >> 8);
}
void PutU32(std::vector<unsigned char>& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

constexpr unsigned kDirectorySize = 6 + 16;
constexpr unsigned kInfoHeaderSize = 40;
constexpr unsigned kColourBytes = kSide * kSide * 4;
constexpr unsigned kMaskBytes = kSide * (kSide / 8);  // 32-pixel rows are already 4-byte aligned
constexpr unsigned kImageBytes = kInfoHeaderSize + kColourBytes + kMaskBytes;

// Cursor and icon files differ only in the type and in what the entry's two 16-bit fields mean:
// planes and bit count for an icon, the hot spot for a cursor.
std::vector<unsigned char> MakeFile(unsigned type, unsigned field1, unsigned field2) {
  std::vector<unsigned char> out;
  out.reserve(kDirectorySize + kImageBytes);

  PutU16(out, 0);  // reserved
  PutU16(out, type);
  PutU16(out, 1);  // one image

  PutU8(out, kSide);  // width
  PutU8(out, kSide);  // height
  PutU8(out, 0);      // no palette
  PutU8(out, 0);      // reserved
  PutU16(out, field1);
  PutU16(out, field2);
  PutU32(out, kImageBytes);
  PutU32(out, kDirectorySize);

  PutU32(out, kInfoHeaderSize);
  PutU32(out, kSide);      // width
  PutU32(out, kSide * 2);  // height of the colour image and the mask together
  PutU16(out, 1);          // planes
  PutU16(out, 32);         // bits per pixel
  PutU32(out, 0);          // uncompressed
  PutU32(out, kColourBytes + kMaskBytes);
  PutU32(out, 0);  // horizontal resolution, unused
  PutU32(out, 0);  // vertical resolution, unused
  PutU32(out, 0);  // colours used
  PutU32(out, 0);  // important colours

  // Bitmap rows are stored bottom row first.
  for (int y = kSide - 1; y >= 0; --y) {
    for (int x = 0; x < kSide; ++x) {
      const Bgra p = PixelAt(x, y);
      PutU8(out, p.b);
      PutU8(out, p.g);
      PutU8(out, p.r);
      PutU8(out, p.a);
    }
  }
  // The mask is what counts wherever the alpha channel is ignored, as on displays with fewer
  // colours: a set bit leaves the screen as it was. Leftmost pixel in the high bit.
  for (int y = kSide - 1; y >= 0; --y) {
    for (int byteIndex = 0; byteIndex < kSide / 8; ++byteIndex) {
      unsigned bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (PixelAt(byteIndex * 8 + bit, y).a == 0) bits |= 0x80u >> bit;
      }
      PutU8(out, bits);
    }
  }
  return out;
}

}  // namespace

std::vector<unsigned char> MakeFinderImage() {
  return MakeFile(2, kHotSpot, kHotSpot);
}

std::vector<unsigned char> MakeAppIcon() {
  return MakeFile(1, 1, 32);
}

}  // namespace vexlumen
