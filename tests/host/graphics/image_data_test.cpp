#include "host/graphics/image_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/gc.h"
#include "tests/host/graphics/png_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

struct Decoded {
  explicit Decoded(const std::string& path) {
    pixels = zu_graphics_LoadImageData(String(path.c_str()), &width, &height, &depth);
  }
  ~Decoded() { std::free(pixels); }
  Bytes Data() const { return Bytes(pixels, pixels + width * height * depth); }
  unsigned char* pixels = nullptr;
  int width = -1, height = -1, depth = -1;
};

const Bytes kRgba = {200, 100, 50, 128, 0, 255, 0, 255, 10, 20, 30, 0, 255, 255, 255, 255};
const Bytes kRgb = {200, 100, 50, 0, 255, 0, 10, 20, 30, 255, 255, 255};

class ImageFiles : public ::testing::Test {
 protected:
  PngFolder folder_;
};

TEST_F(ImageFiles, EachPngFormDecodesInItsOwnChannelCount) {
  struct Case {
    const char* name;
    const PngForm* form;
    Bytes raw;
    int depth;
    Bytes expected;
  };
  const Case cases[] = {
      {"grey.png", &kGreyPng, {0, 64, 128, 255}, 1, {0, 64, 128, 255}},
      {"grey_alpha.png", &kGreyAlphaPng,
       {200, 200, 200, 128, 50, 50, 50, 255, 0, 0, 0, 0, 255, 255, 255, 64}, 2,
       {200, 128, 50, 255, 0, 0, 255, 64}},
      {"rgb.png", &kRgbPng, kRgb, 3, kRgb},
      {"rgba.png", &kRgbaPng, kRgba, 4, kRgba},
      {"palette.png", &kPalettePng, kRgb, 3, kRgb},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoded image(folder_.Make(c.name, 2, 2, *c.form, c.raw));
    ASSERT_NE(image.pixels, nullptr);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.depth, c.depth);
    EXPECT_EQ(image.Data(), c.expected);
  }
  // A palette with a transparency chunk gains an alpha channel.
  const Decoded palette_alpha(folder_.Make("palette_alpha.png", 2, 2, kPaletteAlphaPng, kRgba));
  EXPECT_EQ(palette_alpha.depth, 4);
}

TEST_F(ImageFiles, DecodedPixelsAreCountedAsOutsideData) {
  const std::string path = folder_.Make("rgba.png", 2, 2, kRgbaPng, kRgba);
  const int before = gc_ext_new_bytes.load();
  const Decoded image(path);
  ASSERT_NE(image.pixels, nullptr);
  // The file's bytes while it is read, then the 2 x 2 x 4 pixels.
  EXPECT_EQ(gc_ext_new_bytes.load() - before, static_cast<int>(std::filesystem::file_size(path)) + 16);
}

TEST_F(ImageFiles, MissingAndUndecodableFilesGiveNullAndLeaveTheOutputsAlone) {
  const std::string good = folder_.Make("good.png", 2, 2, kRgbaPng, kRgba);
  std::ifstream in(good, std::ios::binary);
  const Bytes png((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string paths[] = {
      folder_.Path("absent.png"),
      folder_.Write("truncated.png", Bytes(png.begin(), png.begin() + static_cast<long>(png.size() / 2))),
      folder_.Write("text.png", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}),
      folder_.Write("empty.png", {})};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    const Decoded image(path);
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.width, -1);
    EXPECT_EQ(image.depth, -1);
  }
}

// A PNG header announcing a side x side grey picture, with no real picture data after it.
Bytes HugePngHeader(unsigned side) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int i = 0; i < 2; ++i) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(side >> shift));
  }
  out.insert(out.end(), {8, 0, 0, 0, 0, 0, 0, 0, 0});  // 8-bit grey, no interlace; CRC
  out.insert(out.end(), {0, 0, 0, 4, 'I', 'D', 'A', 'T', 0x78, 0x9c, 0x03, 0x00, 0, 0, 0, 0});
  return out;
}

TEST_F(ImageFiles, PicturesTooLargeToCountInAnIntGiveNull) {
  // 40000² overflows in any channel count; 30000² fits as grey but not as four channels,
  // which a decoder may hand over, and is refused before anything is allocated for it.
  for (unsigned side : {40000u, 30000u}) {
    SCOPED_TRACE(side);
    const Decoded image(folder_.Write("huge.png", HugePngHeader(side)));
    EXPECT_EQ(image.pixels, nullptr);
  }
}

// What a file claims must fit what it holds; the densest real pictures still decode.
TEST_F(ImageFiles, FilesClaimingMoreThanTheyHoldAreRefusedYetDenseOnesDecode) {
  const std::string dense = folder_.Path("dense.png");
  ASSERT_EQ(std::system(("convert -size 2000x2000 xc:black 'PNG8:" + dense + "'").c_str()), 0);
  const Decoded flat(dense);
  EXPECT_EQ(flat.width, 2000);  // some 4 MB from some 4 KB, near deflate's limit
  std::ifstream file(dense, std::ios::binary);
  Bytes overlong{std::istreambuf_iterator<char>(file), {}};
  overlong.resize(overlong.size() - 12);  // the end marker gives way to a chunk of 1 GB
  overlong.insert(overlong.end(), {0x40, 0, 0, 0, 'I', 'D', 'A', 'T', 1, 2, 3, 4});
  EXPECT_EQ(Decoded(folder_.Write("overlong.png", overlong)).pixels, nullptr);
  EXPECT_EQ(Decoded(folder_.Write("claims.png", HugePngHeader(20000))).pixels, nullptr);
}

TEST_F(ImageFiles, OnlyPngFilesAreDecoded) {
  for (const char* kind : {"png", "bmp", "jpg", "tga", "gif"}) {
    SCOPED_TRACE(kind);
    const std::string path = folder_.Path(std::string("tiny.") + kind);
    ASSERT_EQ(std::system(("convert -size 3x2 xc:red '" + path + "'").c_str()), 0);
    const Decoded image(path);
    EXPECT_EQ(image.pixels != nullptr, std::string(kind) == "png");
  }
}

}  // namespace
