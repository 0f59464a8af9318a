// A world's pictures kept across loads: the first load reads each picture file once, the next
// reads none and gets the same pixels, turned sheets included; a picture file rewritten between
// loads is read again, and so are the sheets turned from it. Entering a world again (player,
// companions, result panels) reads no picture either.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>

#include "app/app.h"
#include "game/companions.h"
#include "game/play_state.h"
#include "game/player.h"
#include "gfx/picture_cache.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

namespace fs = std::filesystem;

class WorldPictureKeep : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        saved_ = display;
        display.mode = 0;
        display.width = 640;
        display.height = 480;
        // A game directory of our own, so that a picture can be rewritten.
        dir_ = fs::temp_directory_path() / ("yomogi_world_keep_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        for (const char* part : {"bmp", "map", "data"})
            fs::copy(fs::path(YOMOGI_GAME_DIR) / part, dir_ / part, fs::copy_options::recursive);
        fs::current_path(dir_);
        fillStageSlots();
        player = std::make_unique<Player>();
        forgetKeptPictures();
    }
    void TearDown() override {
        clearWorld();
        forgetKeptPictures();
        player.reset();
        display = saved_;
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    // The sheet of the file as decoded now, turned k quarter turns.
    static SurfacePtr freshSheet(const char* path, int w, int h, int k, int columns, int rows) {
        SurfacePtr sheet = loadSurface(path);
        if (k == 0) return sheet;
        SurfacePtr turned = createSurface(w, h);
        turnSheet(turned.get(), sheet.get(), 32, 32, k, columns, rows);
        return turned;
    }
    void expectFreshPictures() {
        EXPECT_EQ(world.backdrop.castle->pixels, loadSurface("bmp/castle2-5-2.bmp")->pixels);
        EXPECT_EQ(world.backdrop.back->pixels, loadSurface("bmp/bg5.bmp")->pixels);
        EXPECT_EQ(world.gearFrame->pixels, loadSurface("bmp/big_gear1.bmp")->pixels);
        EXPECT_EQ(world.effectSheet->pixels, loadSurface("bmp/effect.bmp")->pixels);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(world.tileSheets[k]->pixels, freshSheet("bmp/mod.bmp", 320, 2560, k, 10, 80)->pixels) << k;
            EXPECT_EQ(world.blockSheets[k]->pixels, freshSheet("bmp/block.bmp", 320, 640, k, 10, 20)->pixels) << k;
        }
    }
    fs::path previous_, dir_;
    DisplayState saved_;
};

TEST_F(WorldPictureKeep, SecondLoadReadsNoPictureAndShowsTheSame) {
    const int before = decodedPictureCount();
    ASSERT_TRUE(loadWorld(0));
    // Castle, far background, tiles, blocks, dust and gear: each read once.
    EXPECT_EQ(decodedPictureCount(), before + 6);
    const Surface* tiles = world.tileSheets[2].get();
    clearWorld();
    EXPECT_GT(keptPictureBytes(), size_t{20} << 20);

    ASSERT_TRUE(loadWorld(0));
    EXPECT_EQ(decodedPictureCount(), before + 6);
    EXPECT_EQ(world.tileSheets[2].get(), tiles) << "the turned sheet kept, not turned again";
    EXPECT_EQ(keptPictureBytes(), 0u);
    expectFreshPictures();

    // The end of the stage gives them back as well.
    endStage();
    EXPECT_GT(keptPictureBytes(), size_t{20} << 20);
    ASSERT_TRUE(loadWorld(0));
    EXPECT_EQ(decodedPictureCount(), before + 6);

    // The double-size display keeps pictures of its own.
    clearWorld();
    display.mode = 1;
    ASSERT_TRUE(loadWorld(0));
    EXPECT_EQ(decodedPictureCount(), before + 12);
    EXPECT_EQ(world.tileSheets[0]->width, 640);
}

TEST_F(WorldPictureKeep, RewrittenPictureIsReadAgainWithItsTurnedSheets) {
    ASSERT_TRUE(loadWorld(0));
    clearWorld();
    // The block sheet with its top-left cell painted over.
    SurfacePtr blocks = loadSurface("bmp/block.bmp");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) blocks->row(y)[x] = 0x102030u + static_cast<uint32_t>(x * y);
    ASSERT_TRUE(platformSaveBitmap("bmp/block.bmp", *blocks, blocks->width, blocks->height));
    const int before = decodedPictureCount();
    ASSERT_TRUE(loadWorld(0));
    EXPECT_EQ(decodedPictureCount(), before + 1) << "only the rewritten picture";
    expectFreshPictures();
}

TEST_F(WorldPictureKeep, ASheetDrawnOnIsNotGivenBack) {
    ASSERT_TRUE(loadWorld(0));
    fillBlack(world.tileSheets[1].get(), 0, 0, 64, 64);
    clearWorld();
    ASSERT_TRUE(loadWorld(0));
    expectFreshPictures();
}

TEST_F(WorldPictureKeep, EnteringAgainReadsNoPictureAndDrawsFromTheSame) {
    // The mirrored sheet of the file as decoded now.
    auto freshMirror = [](const char* path, int w, int h, int cellW, int cellH, int columns, int rows) {
        SurfacePtr sheet = loadSurface(path);
        SurfacePtr copy = createSurface(w, h);
        mirrorSheet(copy.get(), sheet.get(), cellW, cellH, columns, rows);
        return copy->pixels;
    };
    ASSERT_TRUE(startPlay(0, WorldPictures::Decoded));
    const Surface* head = player->head.get();
    stopPlay();
    EXPECT_EQ(player, nullptr);
    const int first = decodedPictureCount();
    ASSERT_TRUE(startPlay(0, WorldPictures::Decoded));
    EXPECT_EQ(decodedPictureCount(), first);
    EXPECT_EQ(player->head.get(), head) << "the player's sheet given back when its record was freed";
    EXPECT_EQ(player->head->pixels, loadSurface("bmp/yomogi_head.bmp")->pixels);
    EXPECT_EQ(player->bodyMirrored->pixels, freshMirror("bmp/yomogi_body.bmp", 144, 288, 24, 24, 6, 12));
    EXPECT_EQ(companions.ghostMirrored->pixels, freshMirror("bmp/yurayuragost.bmp", 256, 64, 64, 64, 4, 1));
    EXPECT_EQ(companions.shellyMirrored->pixels, freshMirror("bmp/shelly1.bmp", 64, 32, 16, 16, 4, 2));
    // Shelly's sheet has two takers, each with a picture of its own.
    EXPECT_NE(companions.shellySheet.get(), results.companionSheet.get());
    EXPECT_EQ(results.companionSheet->pixels, loadSurface("bmp/shelly1.bmp")->pixels);
    EXPECT_EQ(results.board->pixels, loadSurface("bmp/black_board.bmp")->pixels);
    expectFreshPictures();
    stopPlay();
}

}  // namespace
