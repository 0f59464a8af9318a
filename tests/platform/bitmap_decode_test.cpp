// 24-bit BMP files written byte by byte, as a paint program lays them out, and read back through
// the loader's own decoding path: exact colours, padded rows, both row orders, and every kind of
// short or lying file refused without touching the surface handed in.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/surface.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

class BitmapFolder {
public:
    BitmapFolder() {
        char pattern[] = "/tmp/yomogi-bmp-XXXXXX";
        path_ = ::mkdtemp(pattern);
    }
    ~BitmapFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string write(const char* name, const std::string& bytes) const {
        const std::string path = (path_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

private:
    fs::path path_;
};

void put16(std::string& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A width x height 24-bit picture; pixels are 0x00RRGGBB, top row first. Each stored row is
// padded to four bytes with 0xEE so that a decoder reading padding as colour shows it.
std::string trueColourBitmap(int width, int height, const std::vector<uint32_t>& pixels,
                             bool topDown, uint32_t gap = 0) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t offset = 14 + 40 + gap;
    std::string b = "BM";
    put32(b, offset + rowBytes * height);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<uint32_t>(width));
    put32(b, static_cast<uint32_t>(topDown ? -height : height));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, rowBytes * height);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    b.append(gap, '\x77');
    for (int stored = 0; stored < height; ++stored) {
        const int y = topDown ? stored : height - 1 - stored;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            b += static_cast<char>(p & 0xFF);          // blue
            b += static_cast<char>((p >> 8) & 0xFF);   // green
            b += static_cast<char>((p >> 16) & 0xFF);  // red
        }
        b.append(rowBytes - width * 3, '\xEE');
    }
    return b;
}

std::vector<uint32_t> samplePixels(int width, int height) {
    std::vector<uint32_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back((static_cast<uint32_t>(i) * 0x3D1F07u + 0x010203u) & 0xFFFFFF);
    pixels[0] = 0xFF00FF;  // the transparent key
    pixels[1] = 0xFF00FE;  // one step from it
    return pixels;
}

}  // namespace

TEST(PlatformBitmapDecode, PaddedRowsInBothOrdersKeepEveryColourInPlace) {
    BitmapFolder folder;
    for (int width : {1, 2, 3, 5, 8}) {
        const int height = 4;
        const std::vector<uint32_t> pixels = samplePixels(width, height);
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << "width " << width << (topDown ? " top-down" : " bottom-up"));
            const std::string path =
                folder.write("t.bmp", trueColourBitmap(width, height, pixels, topDown));
            Surface loaded;
            ASSERT_TRUE(platformLoadBitmap(path.c_str(), loaded));
            EXPECT_EQ(loaded.width, width);
            EXPECT_EQ(loaded.height, height);
            EXPECT_EQ(loaded.pixels, pixels);
        }
    }
}

TEST(PlatformBitmapDecode, PixelsAreReadFromTheirOffsetNotAfterTheHeader) {
    BitmapFolder folder;
    const std::vector<uint32_t> pixels = samplePixels(3, 2);
    const std::string path = folder.write("gap.bmp", trueColourBitmap(3, 2, pixels, false, 6));
    Surface loaded;
    ASSERT_TRUE(platformLoadBitmap(path.c_str(), loaded));
    EXPECT_EQ(loaded.pixels, pixels);
}

TEST(PlatformBitmapDecode, ALargePictureReadInManyBlocksIsExact) {
    // Tall enough that its rows come from the file in several reads.
    BitmapFolder folder;
    const int width = 333, height = 301;
    const std::vector<uint32_t> pixels = samplePixels(width, height);
    const std::string path = folder.write("big.bmp", trueColourBitmap(width, height, pixels, false));
    Surface loaded;
    ASSERT_TRUE(platformLoadBitmap(path.c_str(), loaded));
    ASSERT_EQ(loaded.width, width);
    ASSERT_EQ(loaded.height, height);
    EXPECT_EQ(loaded.pixels, pixels);
}

TEST(PlatformBitmapDecode, ShortAndLyingFilesAreRefusedAndLeaveTheSurfaceAlone) {
    BitmapFolder folder;
    const std::vector<uint32_t> pixels = samplePixels(3, 3);
    const std::string whole = trueColourBitmap(3, 3, pixels, false);
    Surface untouched;
    untouched.width = untouched.height = 1;
    untouched.pixels = {0x123456};
    // Cut anywhere, even one byte before the last row's padding ends.
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::string path = folder.write("cut.bmp", whole.substr(0, length));
        Surface loaded = untouched;
        EXPECT_FALSE(platformLoadBitmap(path.c_str(), loaded)) << "cut at " << length;
        EXPECT_EQ(loaded.pixels, untouched.pixels) << "cut at " << length;
    }
    // A header claiming a huge picture over a few bytes of pixels.
    std::string huge = whole;
    huge[18] = huge[19] = '\0';
    huge[20] = '\x40';  // width 0x400000
    std::string lying = whole;
    lying[22] = '\x00';
    lying[23] = '\x01';  // height 256 over 3 rows
    std::string zeroWidth = whole;
    zeroWidth[18] = '\0';
    std::string pastEnd = whole;
    pastEnd[10] = '\xF0';  // pixels said to start beyond the end of the file
    for (const std::string* bytes : {&huge, &lying, &zeroWidth, &pastEnd}) {
        const std::string path = folder.write("bad.bmp", *bytes);
        Surface loaded = untouched;
        EXPECT_FALSE(platformLoadBitmap(path.c_str(), loaded));
        EXPECT_EQ(loaded.width, 1);
        EXPECT_EQ(loaded.pixels, untouched.pixels);
    }
}

TEST(PlatformBitmapDecode, SizedPixelsHoldExactlyTheFillAtEverySize) {
    std::vector<uint32_t> pixels(7, 0xABCDEF);
    // Large enough to be given large pages, then smaller, then large again over old contents.
    for (size_t count : {size_t{1280} * 960 * 2, size_t{5}, size_t{0}, size_t{1280} * 960}) {
        platformSizePixels(pixels, count, 0xFFFFFF);
        ASSERT_EQ(pixels.size(), count);
        size_t wrong = 0;
        for (uint32_t p : pixels) wrong += p != 0xFFFFFF;
        EXPECT_EQ(wrong, 0u) << count;
        if (!pixels.empty()) pixels.front() = pixels.back() = 1;  // stale values to overwrite
    }
}
