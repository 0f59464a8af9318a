// BMP headers of every bit depth and compression checked before a pixel is allocated: a header
// claiming more rows and columns than the file can hold, or more than the largest picture the
// game uses, is refused at once, without asking for the memory it names.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/surface.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

void put16(std::string& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

struct Kind {
    int bits;
    uint32_t compression;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
};

// A header of the kind with the given size, a palette where the depth has one, the three masks of
// bit fields, and then pixels bytes of 0x11.
std::string bitmap(Kind kind, int32_t width, int32_t height, size_t pixelBytes, uint32_t colours = 0) {
    const uint32_t paletteEntries = kind.bits <= 8 ? (colours ? colours : 1u << kind.bits) : 0;
    const uint32_t masks = kind.compression == 3 ? 12 : 0;
    const uint32_t offset = 14 + 40 + masks + paletteEntries * 4;
    std::string b = "BM";
    put32(b, static_cast<uint32_t>(offset + pixelBytes));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<uint32_t>(width));
    put32(b, static_cast<uint32_t>(height));
    put16(b, 1);
    put16(b, static_cast<uint32_t>(kind.bits));
    put32(b, kind.compression);
    put32(b, static_cast<uint32_t>(pixelBytes));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
    if (masks) {
        if (kind.bits == 16) {
            put32(b, 0x7C00), put32(b, 0x03E0), put32(b, 0x001F);
        } else {
            put32(b, 0xFF0000), put32(b, 0x00FF00), put32(b, 0x0000FF);
        }
    }
    for (uint32_t i = 0; i < paletteEntries; ++i) put32(b, (i * 0x10305u) & 0xFFFFFF);
    b.append(pixelBytes, '\x11');
    return b;
}

size_t plainRowBytes(int bits, int width) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

class BitmapHeaders : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/yomogi-bmph-XXXXXX";
        dir_ = ::mkdtemp(pattern);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    std::string write(const std::string& bytes) {
        const std::string path = (dir_ / ("p" + std::to_string(count_++) + ".bmp")).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Loads the file in a child process; returns whether it loaded and sets grownKb to how far the
    // child's peak memory rose above that of a child that loads nothing.
    static bool loadInChild(const std::string& path, long& grownKb) {
        const long base = childPeak(nullptr, nullptr);
        int loaded = 0;
        const long peak = childPeak(path.c_str(), &loaded);
        grownKb = peak - base;
        return loaded == 1;
    }

private:
    static long childPeak(const char* path, int* loaded) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            Surface s;
            const bool ok = path && platformLoadBitmap(path, s);
            ::_exit(ok ? 1 : 0);
        }
        int status = 0;
        struct rusage usage = {};
        ::wait4(pid, &status, 0, &usage);
        if (loaded) *loaded = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return usage.ru_maxrss;
    }

    fs::path dir_;
    int count_ = 0;
};

const Kind kKinds[] = {{1, 0}, {4, 0}, {8, 0}, {16, 0}, {24, 0}, {32, 0}, {8, 1}, {4, 2}, {16, 3}, {32, 3}};

}  // namespace

TEST_F(BitmapHeaders, HugeSizesInASmallFileAreRefusedWithoutTheirMemory) {
    for (const Kind& kind : kKinds) {
        for (const auto& [width, height] : {std::pair{70000, 70000}, std::pair{16384, 16384}, std::pair{3, 2000000}}) {
            const std::string path = write(bitmap(kind, width, height, 130));
            long grownKb = 0;
            EXPECT_FALSE(loadInChild(path, grownKb)) << kind.bits << "/" << kind.compression << " " << width;
            EXPECT_LT(grownKb, 64 * 1024) << kind.bits << "/" << kind.compression << " " << width << " x "
                                          << height << " asked for that much memory";
        }
    }
}

TEST_F(BitmapHeaders, PlainPixelsMustAllBeInTheFile) {
    for (const Kind& kind : kKinds) {
        if (kind.compression == 1 || kind.compression == 2) continue;
        const size_t whole = plainRowBytes(kind.bits, 37) * 5;
        Surface s;
        EXPECT_TRUE(platformLoadBitmap(write(bitmap(kind, 37, 5, whole)).c_str(), s)) << kind.bits;
        EXPECT_EQ(s.width, 37);
        EXPECT_EQ(s.height, 5);
        Surface untouched;
        EXPECT_FALSE(platformLoadBitmap(write(bitmap(kind, 37, 5, whole - 1)).c_str(), untouched)) << kind.bits;
        EXPECT_EQ(untouched.width, 0);
        // Top-down rows count the same.
        EXPECT_TRUE(platformLoadBitmap(write(bitmap(kind, 37, -5, whole)).c_str(), s)) << kind.bits;
        EXPECT_FALSE(platformLoadBitmap(write(bitmap(kind, 37, -5, whole - 1)).c_str(), s)) << kind.bits;
    }
}

TEST_F(BitmapHeaders, NoSideBeyondTheLargestPictureOfTheGame) {
    Surface s;
    // A 1-bit row of 16384 pixels is 2 KB: the file holds every pixel of it.
    EXPECT_TRUE(platformLoadBitmap(write(bitmap({1, 0}, 16384, 1, plainRowBytes(1, 16384))).c_str(), s));
    EXPECT_EQ(s.width, 16384);
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({1, 0}, 16385, 1, plainRowBytes(1, 16385))).c_str(), s));
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({1, 0}, 1, 16385, plainRowBytes(1, 1) * 16385)).c_str(), s));
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({8, 0}, 0, 4, 16)).c_str(), s));
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({8, 0}, -4, 4, 16)).c_str(), s));
}

TEST_F(BitmapHeaders, PalettesMustFitTheDepthAndTheFile) {
    Surface s;
    // An 8-bit picture naming 257 colours, or more colours than the file has room for.
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({8, 0}, 4, 4, 16, 257)).c_str(), s));
    std::string lying = bitmap({8, 0}, 4, 4, 16, 2);
    lying[46] = '\xFF', lying[47] = '\xFF', lying[48] = '\xFF', lying[49] = '\x7F';  // colours used
    EXPECT_FALSE(platformLoadBitmap(write(lying).c_str(), s));
    // Two colours named, the pixels all index colour 1: the file's own colour, exactly.
    std::string twoColours = bitmap({8, 0}, 4, 1, 4, 2);
    twoColours.replace(twoColours.size() - 4, 4, std::string(4, '\x01'));
    ASSERT_TRUE(platformLoadBitmap(write(twoColours).c_str(), s));
    EXPECT_EQ(s.row(0)[3], 0x010305u);
}

TEST_F(BitmapHeaders, RunLengthPicturesNeedTheBytesTheirRowsTake) {
    Surface s;
    // Each row of an RLE8 picture 510 wide takes at least two runs and its end-of-line mark.
    std::string rows;
    for (int y = 0; y < 3; ++y) rows += std::string("\xFF\x01\xFF\x01\x00\x00", 6);
    rows += std::string("\x00\x01", 2);
    std::string whole = bitmap({8, 1}, 510, 3, 0);
    whole += rows;
    ASSERT_TRUE(platformLoadBitmap(write(whole).c_str(), s));
    EXPECT_EQ(s.width, 510);
    EXPECT_EQ(s.row(2)[509], 0x010305u);
    EXPECT_FALSE(platformLoadBitmap(write(bitmap({8, 1}, 510, 3000, rows.size())).c_str(), s));
}
