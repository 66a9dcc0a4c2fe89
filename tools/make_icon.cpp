// Build-time generator of the program icon: a 32 x 32, 32-bit ICO file (4,286
// bytes) drawn procedurally, so the same bytes come out of every build. The
// picture is a rounded blue square with a white ".*", the regex wildcard.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr int kSamples = 4;  // supersampling per axis, for smooth edges

struct Point {
  double x, y;
};

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

// Signed distances: negative inside the shape.
double RoundedSquare(Point p) {
  constexpr double kCentre = kSize / 2.0, kHalf = 15.0, kRadius = 6.0;
  const double dx = std::abs(p.x - kCentre) - (kHalf - kRadius);
  const double dy = std::abs(p.y - kCentre) - (kHalf - kRadius);
  return Length(std::max(dx, 0.0), std::max(dy, 0.0)) + std::min(std::max(dx, dy), 0.0) - kRadius;
}

double Disc(Point p, Point centre, double radius) { return Length(p.x - centre.x, p.y - centre.y) - radius; }

// A stroke of the given half-width between a and b, with round ends.
double Stroke(Point p, Point a, Point b, double half_width) {
  const double bx = b.x - a.x, by = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * bx + (p.y - a.y) * by) / (bx * bx + by * by), 0.0, 1.0);
  return Length(p.x - a.x - t * bx, p.y - a.y - t * by) - half_width;
}

// The white ".*": a dot at the baseline and a six-pointed asterisk above it.
double Glyph(Point p) {
  constexpr Point kStar{20.5, 12.5};
  constexpr double kArm = 6.0, kHalfWidth = 1.4, kPi = 3.14159265358979323846;
  double distance = Disc(p, {10.0, 22.5}, 2.8);
  for (double degrees : {90.0, 30.0, 150.0}) {
    const double dx = kArm * std::cos(degrees * kPi / 180), dy = kArm * std::sin(degrees * kPi / 180);
    distance = std::min(distance, Stroke(p, {kStar.x - dx, kStar.y - dy}, {kStar.x + dx, kStar.y + dy}, kHalfWidth));
  }
  return distance;
}

struct Coverage {
  double square = 0, glyph = 0;
};

Coverage CoverageAt(int x, int y) {
  Coverage c;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      const Point p{x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples};
      if (RoundedSquare(p) < 0) c.square += 1;
      if (RoundedSquare(p) < 0 && Glyph(p) < 0) c.glyph += 1;
    }
  }
  constexpr double kCount = kSamples * kSamples;
  return {c.square / kCount, c.square > 0 ? c.glyph / c.square : 0};
}

uint8_t Mix(double from, double to, double t) { return static_cast<uint8_t>(std::lround(from + (to - from) * t)); }

// BGRA of pixel (x, y), y counted from the top: a vertical blue gradient,
// white where the glyph covers it, alpha from the square's coverage.
std::array<uint8_t, 4> PixelAt(int x, int y) {
  const Coverage c = CoverageAt(x, y);
  const double t = y / double(kSize - 1);
  const double blue = 0xF0 + (0xC8 - 0xF0) * t, green = 0x80 + (0x4C - 0x80) * t, red = 0x38 + (0x1C - 0x38) * t;
  return {Mix(blue, 255, c.glyph), Mix(green, 255, c.glyph), Mix(red, 255, c.glyph),
          static_cast<uint8_t>(std::lround(c.square * 255))};
}

void PutU16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  PutU16(out, uint16_t(v));
  PutU16(out, uint16_t(v >> 16));
}

constexpr uint32_t kPixelBytes = kSize * kSize * 4;
constexpr uint32_t kMaskBytes = kSize * kSize / 8;  // 32-pixel rows are already 4-byte aligned
constexpr uint32_t kImageBytes = 40 + kPixelBytes + kMaskBytes;

void PutIconDirectory(std::vector<uint8_t>& out) {
  PutU16(out, 0);  // reserved
  PutU16(out, 1);  // type: icon
  PutU16(out, 1);  // one image
  out.insert(out.end(), {kSize, kSize, 0, 0});  // width, height, no palette, reserved
  PutU16(out, 1);   // planes
  PutU16(out, 32);  // bits per pixel
  PutU32(out, kImageBytes);
  PutU32(out, 6 + 16);  // the image follows the directory and its one entry
}

void PutBitmapHeader(std::vector<uint8_t>& out) {
  PutU32(out, 40);
  PutU32(out, kSize);
  PutU32(out, kSize * 2);  // colour image and AND mask stacked
  PutU16(out, 1);
  PutU16(out, 32);
  PutU32(out, 0);  // uncompressed
  PutU32(out, kPixelBytes + kMaskBytes);
  for (int i = 0; i < 4; ++i) PutU32(out, 0);  // resolution, palette counts
}

// Pixels bottom-up, then the AND mask (bit set = transparent) bottom-up.
void PutImage(std::vector<uint8_t>& out) {
  std::vector<uint8_t> mask;
  for (int y = kSize - 1; y >= 0; --y) {
    uint32_t row_mask = 0;
    for (int x = 0; x < kSize; ++x) {
      const auto pixel = PixelAt(x, y);
      out.insert(out.end(), pixel.begin(), pixel.end());
      if (pixel[3] == 0) row_mask |= 0x80000000u >> x;
    }
    for (int shift = 24; shift >= 0; shift -= 8) mask.push_back(uint8_t(row_mask >> shift));
  }
  out.insert(out.end(), mask.begin(), mask.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_icon OUT.ico\n";
    return 2;
  }
  std::vector<uint8_t> icon;
  PutIconDirectory(icon);
  PutBitmapHeader(icon);
  PutImage(icon);
  std::ofstream file(argv[1], std::ios::binary);
  file.write(reinterpret_cast<const char*>(icon.data()), std::streamsize(icon.size()));
  if (!file.flush()) {
    std::cerr << "make_icon: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
