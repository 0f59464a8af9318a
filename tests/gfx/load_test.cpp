// Loading bitmap files: exact colours, the double-size mode, and the fatal message for a file
// that cannot be loaded.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx_support.h"
#include "platform/platform.h"

namespace {

uint32_t pictureColour(int x, int y) {  // 0x00RRGGBB
    return (static_cast<uint32_t>(x * 2) << 16) | (static_cast<uint32_t>(y * 5) << 8) |
           static_cast<uint32_t>((x * 7 + y) & 0xFF);
}

// A 24-bit bottom-up BMP written byte by byte.
void writeBmp(const std::string& path, int w, int h) {
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t dataSize = static_cast<uint32_t>(stride * h);
    std::vector<uint8_t> bytes;
    auto u16 = [&](uint32_t v) { bytes.push_back(v & 0xFF); bytes.push_back((v >> 8) & 0xFF); };
    auto u32 = [&](uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    bytes.push_back('B');
    bytes.push_back('M');
    u32(54 + dataSize); u32(0); u32(54);
    u32(40); u32(static_cast<uint32_t>(w)); u32(static_cast<uint32_t>(h)); u16(1); u16(24);
    u32(0); u32(dataSize); u32(2835); u32(2835); u32(0); u32(0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            uint32_t c = pictureColour(x, y);
            bytes.push_back(c & 0xFF);
            bytes.push_back((c >> 8) & 0xFF);
            bytes.push_back((c >> 16) & 0xFF);
        }
        for (int pad = w * 3; pad < stride; ++pad) bytes.push_back(0);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
}

class Loading : public GfxTest {
protected:
    void SetUp() override {
        GfxTest::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("yomogi_load_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        path = (dir / "picture.bmp").string();
        writeBmp(path, 100, 50);
    }
    void TearDown() override {
        std::filesystem::remove_all(dir);
        GfxTest::TearDown();
    }
    std::filesystem::path dir;
    std::string path;
};

TEST_F(Loading, KeepsEveryColourExactly) {
    SurfacePtr s = loadSurface(path.c_str());
    ASSERT_EQ(s->width, 100);
    ASSERT_EQ(s->height, 50);
    int wrong = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x) wrong += at(*s, x, y) != pictureColour(x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(readPixel(s.get(), 10, 10), pixelToColour(pictureColour(10, 10)));
}

TEST_F(Loading, DoubleSizeModeStretchesEveryPixelToASquare) {
    useMode(1);
    SurfacePtr s = loadSurface(path.c_str());
    ASSERT_EQ(s->width, 200);
    ASSERT_EQ(s->height, 100);
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) wrong += at(*s, x, y) != pictureColour(x / 2, y / 2);
    EXPECT_EQ(wrong, 0);
    // Device pixel (20, 20) is picture pixel (10, 10); (11, 10) sits at device (22, 20).
    put(*s, 22, 20, 0x123456);
    EXPECT_EQ(readPixel(s.get(), 11, 10), pixelToColour(0x123456));
    EXPECT_EQ(readPixel(s.get(), 10, 10), pixelToColour(pictureColour(10, 10)));
    EXPECT_EQ(readPixel(s.get(), 100, 0), kInvalidColour);
}

using LoadingDeathTest = Loading;

TEST_F(LoadingDeathTest, MissingOrBrokenFileEndsTheProgramWithAMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    std::string missing = (dir / "no_such.bmp").string();
    EXPECT_EXIT(loadSurface(missing.c_str()), ::testing::ExitedWithCode(1), "no_such.bmp");
    std::string broken = (dir / "broken.bmp").string();
    std::ofstream(broken) << "BM this is not a picture";
    EXPECT_EXIT(loadSurface(broken.c_str()), ::testing::ExitedWithCode(1), "broken.bmp");
}

// The fatal ending goes through the platform's handler, so a test can catch it in-process.
struct FatalEnding {};
[[noreturn]] void throwFatal() { throw FatalEnding{}; }

TEST_F(Loading, FatalFaultGoesThroughTheProgramsHandler) {
    PlatformHandlers handlers;
    handlers.fatalError = throwFatal;
    platformSetHandlers(handlers);
    const std::string missing = (dir / "no_such.bmp").string();
    ::testing::internal::CaptureStderr();
    EXPECT_THROW(loadSurface(missing.c_str()), FatalEnding);
    const std::string message = ::testing::internal::GetCapturedStderr();
    platformSetHandlers(PlatformHandlers{});
    // The message came first, naming the picture, in the error box's words.
    EXPECT_NE(message.find("[error]"), std::string::npos) << message;
    EXPECT_NE(message.find("no_such.bmp"), std::string::npos) << message;
}

}  // namespace
