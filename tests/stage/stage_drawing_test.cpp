// The stage drawn from its prepared pictures (backdrop runs, gears laid out once, nothing drawn
// under what the cells and gears cover) against the stage drawn by the plain copies and turned
// blits, frame after frame of world 0: every room played with turns, the camera anywhere over
// the castle, cells showing every kind of tile, and the double-size display.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/app.h"
#include "game/play_state.h"
#include "game/player.h"
#include "input/input.h"
#include "platform/platform.h"
#include "result/result.h"
#include "stage/backdrop.h"
#include "stage/camera.h"
#include "stage/stage.h"
#include "stage/world.h"

namespace {

class StageDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(YOMOGI_GAME_DIR);
        saved_ = display;
        platformOpen(Backend::Headless);
    }
    void TearDown() override {
        stopPlay();
        stageDrawing = ::StageDrawing::Prepared;
        app.backBuffer.reset();
        display = saved_;
        std::filesystem::current_path(previous_);
    }

    void startWorld(int mode) {
        resetAppState();
        display.mode = mode;
        display.width = 640;
        display.height = 480;
        resetInputState();
        game = GameState{};
        clearResultRecord();
        seedRandom(3);
        app.backBuffer = createScreenSurface();
        ASSERT_TRUE(startPlay(0, WorldPictures::Decoded));
    }

    void enter(int room) {
        world.currentRoom = world.targetRoom = room;
        resetRoom(room);
    }

    // The stage drawn both ways from the same state over the same noise. Drawing moves the
    // generator, the star field's clock and the player's reaction to a turn, so those are put
    // back between.
    void expectSameBothWays(const std::string& where) {
        const PlayerRecord figure = *player;
        const uint32_t random = randomState();
        const int clock = world.backdrop.starClock, reseed = world.starReseed;
        Surface& screen = *app.backBuffer;
        if (noise_.size() != screen.pixels.size() + 4096) {
            std::mt19937 rng(1);
            noise_.resize(screen.pixels.size() + 4096);
            for (uint32_t& p : noise_) p = static_cast<uint32_t>(rng()) & 0xFFFFFF;
        }
        // A different stretch of the noise each time, under everything drawn.
        const auto from = noise_.begin() + compared_ * 37 % 4096;
        const std::vector<uint32_t> under(from, from + static_cast<std::ptrdiff_t>(screen.pixels.size()));
        screen.pixels = under;

        stageDrawing = ::StageDrawing::Plain;
        drawStage();
        const std::vector<uint32_t> plain = screen.pixels;
        seedRandom(random);
        static_cast<PlayerRecord&>(*player) = figure;
        world.backdrop.starClock = clock;
        world.starReseed = reseed;
        screen.pixels = under;
        stageDrawing = ::StageDrawing::Prepared;
        drawStage();
        ++compared_;
        if (screen.pixels == plain) return;
        for (size_t i = 0; i < plain.size(); ++i) {
            if (screen.pixels[i] == plain[i]) continue;
            ADD_FAILURE() << where << ": first difference at (" << i % screen.width << ", " << i / screen.width
                          << "): " << std::hex << screen.pixels[i] << " instead of " << plain[i];
            return;
        }
    }

    int compared_ = 0;
    std::vector<uint32_t> noise_;
    std::filesystem::path previous_;
    DisplayState saved_;
};

// Walking both ways, jumping and turning both ways.
uint32_t buttonsOf(int n) {
    uint32_t held = 0;
    const int phase = n % 90;
    if (phase < 25) held |= 1u << kButtonRight;
    if (phase >= 40 && phase < 60) held |= 1u << kButtonLeft;
    if (n % 23 == 5) held |= 1u << kButtonJump;
    if (n % 37 == 20) held |= 1u << kButtonTurnRight;
    if (n % 53 == 9) held |= 1u << kButtonTurnLeft;
    return held;
}

TEST_F(StageDrawing, EveryRoomPlayedWithTurnsLooksTheSameBothWays) {
    startWorld(0);
    int turningFrames = 0;
    for (int room = 0; room < world.roomCount; ++room) {
        enter(room);
        for (int n = 0; n < 130; ++n) {
            pollButtons(buttonsOf(n));
            stepPlay();
            turningFrames += currentRoomRef().turnState != 0;
            expectSameBothWays("room " + std::to_string(room) + ", frame " + std::to_string(n));
        }
    }
    EXPECT_GT(turningFrames, 50) << "the rooms were seen turning";
}

TEST_F(StageDrawing, TheCameraAnywhereOverTheCastleLooksTheSameBothWays) {
    // Windows of the backdrop partly or wholly off their pictures, gears and cells cut by every
    // edge of the screen, in both display sizes.
    for (int mode : {0, 1}) {
        startWorld(mode);
        std::mt19937 rng(static_cast<uint32_t>(17 + mode));
        for (int n = 0; n < (mode == 0 ? 120 : 30); ++n) {
            enter(static_cast<int>(rng() % static_cast<uint32_t>(world.roomCount)));
            camera->x = static_cast<float>(static_cast<int>(rng() % 3600) - 1400) + 0.5f;
            camera->y = static_cast<float>(static_cast<int>(rng() % 2400) - 1000) + 0.25f;
            expectSameBothWays("mode " + std::to_string(mode) + ", camera " + std::to_string(camera->x) + ", " +
                               std::to_string(camera->y));
        }
        stopPlay();
    }
}

TEST_F(StageDrawing, CellsOfEveryKindOfTileLookTheSameBothWays) {
    // Open tiles, walls, the special tiles' sprites over their open tile and the decorations
    // drawn without one: some opaque, some not, in every orientation of the room, from the
    // world's own sheets and then from sheets with squares of every kind.
    startWorld(0);
    std::mt19937 rng(40);
    for (int n = 0; n < 60; ++n) {
        if (n == 30) {
            // From here on sheets of every kind of square: opaque, empty and in between.
            for (SurfacePtr& sheet : world.tileSheets) {
                for (int square = 0; square < 800; ++square) {
                    const int kind = static_cast<int>(rng() % 3);
                    for (int y = 0; y < 32; ++y)
                        for (int x = 0; x < 32; ++x) {
                            uint32_t& p = sheet->row(square / 10 * 32 + y)[square % 10 * 32 + x];
                            p = kind == 1 || (kind == 2 && rng() % 50 == 0) ? 0xFF00FFu : static_cast<uint32_t>(rng()) & 0xFFFFFF;
                        }
                }
            }
            world.prepared = StagePictures{};  // pictures changed in place: prepared afresh
        }
        const int roomIndex = n % world.roomCount;
        enter(roomIndex);
        Room& room = world.rooms[static_cast<size_t>(roomIndex)];
        room.orientation = n % 4;
        for (Cell& cell : room.cells) {
            const int kind = static_cast<int>(rng() % 4);
            cell.tile = kind == 0 ? static_cast<int>(rng() % 30) : kind == 1 ? 200 + static_cast<int>(rng() % 350)
                                                                : kind == 2 ? 550 + static_cast<int>(rng() % 250)
                                                                            : static_cast<int>(rng() % 800) - 10;
            cell.param = static_cast<int>(rng() % 4);
            cell.counter = static_cast<int>(rng() % 40);
        }
        // Other rooms keep what the loader gave them, so both kinds of neighbour are in view.
        expectSameBothWays("tiles, round " + std::to_string(n));
    }
    EXPECT_EQ(compared_, 60);
}

}  // namespace
