// The picture keep: a picture given back is taken again without decoding, until its file is
// rewritten; a picture drawn on is not kept; made pictures follow the decoding they came from;
// each display scale keeps its own; the keep gives up the pictures used longest ago when it
// would hold more than it may.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "gfx/gfx_support.h"
#include "gfx/picture_cache.h"
#include "platform/platform.h"

namespace {

class PictureKeep : public GfxTest {
protected:
    void SetUp() override {
        GfxTest::SetUp();
        dir_ = std::filesystem::temp_directory_path() / ("yomogi_keep_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        forgetKeptPictures();
    }
    void TearDown() override {
        forgetKeptPictures();
        limitKeptPictures(0);
        std::filesystem::remove_all(dir_);
        GfxTest::TearDown();
    }
    // A w x h picture file whose pixels all depend on `seed`.
    std::string write(const char* name, int w, int h, uint32_t seed) {
        Surface s = deviceSurface(w, h);
        for (size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = (seed * 2654435761u + static_cast<uint32_t>(i) * 40503u) & 0xFFFFFF;
        const std::string path = (dir_ / name).string();
        EXPECT_TRUE(platformSaveBitmap(path.c_str(), s, w, h));
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(PictureKeep, GivenBackPictureIsTakenAgainUntilItsFileChanges) {
    const std::string path = write("a.bmp", 40, 30, 1);
    const int decoded = decodedPictureCount();
    SurfacePtr first = takePicture(path.c_str());
    ASSERT_TRUE(first);
    const std::vector<uint32_t> pixels = first->pixels;
    const Surface* place = first.get();
    keepPicture(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(keptPictureBytes(), 40u * 30u * 4u);

    SurfacePtr again = takePicture(path.c_str());
    EXPECT_EQ(again.get(), place) << "the same surface, not a new decoding";
    EXPECT_EQ(again->pixels, pixels);
    EXPECT_EQ(decodedPictureCount(), decoded + 1);
    EXPECT_EQ(keptPictureBytes(), 0u);
    keepPicture(again);

    // Rewritten with other pixels of the same size: decoded again.
    write("a.bmp", 40, 30, 2);
    SurfacePtr changed = takePicture(path.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded + 2);
    EXPECT_NE(changed->pixels, pixels);
    SurfacePtr fresh = loadSurface(path.c_str());
    EXPECT_EQ(changed->pixels, fresh->pixels);

    // Taken by a second taker before the first gives it back: a picture of its own; both are
    // kept when given back, and the next two takers get them without decoding.
    SurfacePtr twice = takePicture(path.c_str());
    EXPECT_NE(twice.get(), changed.get());
    EXPECT_EQ(twice->pixels, fresh->pixels);
    EXPECT_EQ(decodedPictureCount(), decoded + 3);
    keepPicture(twice);
    keepPicture(changed);
    EXPECT_FALSE(changed);
    EXPECT_EQ(keptPictureBytes(), 2u * 40u * 30u * 4u);
    SurfacePtr one = takePicture(path.c_str()), two = takePicture(path.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded + 3);
    EXPECT_NE(one.get(), two.get());
    EXPECT_EQ(one->pixels, fresh->pixels);
    EXPECT_EQ(two->pixels, fresh->pixels);

    // Rewritten while both are taken: neither is kept when given back.
    write("a.bmp", 40, 30, 3);
    SurfacePtr third = takePicture(path.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded + 4);
    keepPicture(one);
    keepPicture(two);
    EXPECT_EQ(keptPictureBytes(), 0u);
    keepPicture(third);
    EXPECT_EQ(keptPictureBytes(), 40u * 30u * 4u);
}

TEST_F(PictureKeep, PictureDrawnOnIsNotKept) {
    const std::string path = write("b.bmp", 64, 64, 3);
    SurfacePtr taken = takePicture(path.c_str());
    const std::vector<uint32_t> pristine = taken->pixels;
    fillBlack(taken.get(), 0, 0, 64, 64);
    keepPicture(taken);
    EXPECT_EQ(keptPictureBytes(), 0u);
    const int decoded = decodedPictureCount();
    SurfacePtr again = takePicture(path.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded + 1);
    EXPECT_EQ(again->pixels, pristine);
    // A surface the keep never handed out is only freed.
    SurfacePtr other = createSurface(10, 10);
    keepPicture(other);
    EXPECT_FALSE(other);
    EXPECT_EQ(keptPictureBytes(), 0u);
}

TEST_F(PictureKeep, MadePicturesFollowTheDecodingTheyCameFrom) {
    const std::string path = write("c.bmp", 32, 32, 4);
    int made = 0;
    auto turned = [&](const Surface& from) {
        return takeMade(from, 1, [&] {
            ++made;
            SurfacePtr copy = createSurface(32, 32);
            copy->pixels = from.pixels;
            copy->pixels[0] ^= 0xFFFFFF;
            return copy;
        });
    };
    SurfacePtr picture = takePicture(path.c_str());
    SurfacePtr sheet = turned(*picture);
    keepPicture(sheet);
    keepPicture(picture);
    picture = takePicture(path.c_str());
    sheet = turned(*picture);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(sheet->pixels[0], picture->pixels[0] ^ 0xFFFFFFu);
    keepPicture(sheet);
    keepPicture(picture);

    write("c.bmp", 32, 32, 5);
    picture = takePicture(path.c_str());
    sheet = turned(*picture);
    EXPECT_EQ(made, 2) << "made again from the new decoding";
    EXPECT_EQ(sheet->pixels[0], picture->pixels[0] ^ 0xFFFFFFu);
    // From a picture the keep did not hand out, made every time.
    SurfacePtr loose = loadSurface(path.c_str());
    SurfacePtr fromLoose = turned(*loose);
    EXPECT_EQ(made, 3);
}

TEST_F(PictureKeep, EachScaleKeepsItsOwnAndTheLimitGivesUpTheOldest) {
    const std::string a = write("d.bmp", 50, 40, 6), b = write("e.bmp", 50, 40, 7);
    SurfacePtr single = takePicture(a.c_str());
    keepPicture(single);
    useMode(1);
    SurfacePtr twice = takePicture(a.c_str());
    EXPECT_EQ(twice->width, 100);
    keepPicture(twice);
    useMode(0);
    EXPECT_EQ(keptPictureBytes(), 50u * 40u * 4u * 5u);

    SurfacePtr other = takePicture(b.c_str());
    keepPicture(other);
    const size_t small = 50u * 40u * 4u;
    // Given back in this order: d.bmp single size, d.bmp double size, e.bmp.
    EXPECT_EQ(keptPictureBytes(), small * 6);
    limitKeptPictures(small * 5);
    EXPECT_EQ(keptPictureBytes(), small * 5) << "the double-size and e.bmp";
    limitKeptPictures(small * 4 + 1);
    EXPECT_EQ(keptPictureBytes(), small) << "the double-size one given up as well";
    const int decoded = decodedPictureCount();
    SurfacePtr kept = takePicture(b.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded);
    SurfacePtr gone = takePicture(a.c_str());
    EXPECT_EQ(decodedPictureCount(), decoded + 1);
}

}  // namespace
