// A crowded room: 150 blocks of every kind in one 16 x 16 room, played for 1,000 frames through
// the game's own frame of play with a player who walks, jumps, turns the room, restarts it and
// retries after every fall. Every frame's state is checked against the plain stepping (every
// block tested against every other, the order found by the exchange of places), and the run as a
// whole against the digests the stepping of blocks gave before it learnt to look only at the
// blocks nearby.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "base/json_writer.h"
#include "game/game_scene.h"
#include "game/play_state.h"
#include "input/input.h"
#include "result/result.h"
#include "stage/blocks.h"
#include "stage/stage.h"
#include "stage/world.h"
#include "stage/world_files.h"

namespace {

constexpr int kSide = 16;
constexpr int kBlocks = 150;
constexpr int kFrames = 1000;

// A room's codes: walls all round, a ledge and a pillar inside, the start cell in the bottom left
// corner under a roof, and `count` blocks of every kind pointing every way on the open cells,
// chosen by a fixed sequence from `seed` so that the room is the same on every machine. With
// `gaps`, the walls have openings through which blocks fall or are carried out of the room.
std::vector<int> crowdedGrid(uint32_t seed, int count, bool gaps) {
    std::vector<int> grid(kSide * kSide, 0);
    for (int r = 0; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            if (r == 0 || c == 0 || r == kSide - 1 || c == kSide - 1) grid[r * kSide + c] = 10;
    for (int c = 5; c <= 7; ++c) grid[6 * kSide + c] = 11;
    grid[9 * kSide + 10] = grid[10 * kSide + 10] = 12;
    grid[14 * kSide + 1] = 200;
    grid[13 * kSide + 1] = grid[13 * kSide + 2] = 10;
    if (gaps) {
        grid[15 * kSide + 8] = grid[15 * kSide + 9] = 0;  // a hole in the floor
        grid[4 * kSide + 15] = grid[0 * kSide + 11] = 0;   // and in a side and the ceiling
    }
    // Crates most of all; every other kind a few times.
    const int kinds[] = {30, 30, 30, 30, 30, 30, 30, 40, 40, 50, 50, 60, 80, 90, 100,
                         110, 110, 120, 120, 130, 130, 130, 140, 140, 150, 70, 160};
    uint32_t state = seed;
    auto next = [&state](uint32_t range) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % range;
    };
    int placed = 0;
    while (placed < count) {
        const int cell = static_cast<int>(next(kSide * kSide));
        const int r = cell / kSide, c = cell % kSide;
        if (grid[cell] != 0 || r == 0 || c == 0 || r == kSide - 1 || c == kSide - 1) continue;
        if (r >= 12 && c <= 4) continue;  // room to walk out from under the roof
        const int kind = kinds[next(sizeof kinds / sizeof kinds[0])];
        grid[cell] = static_cast<int>(next(4)) * 1000 + kind;
        ++placed;
    }
    return grid;
}

// Walking both ways, jumping, turning both ways, a restart now and then, and Enter to retry
// after a fall (only then: on the start cell it would leave the room).
uint32_t buttonsOf(int n) {
    uint32_t held = 0;
    const int phase = n % 83;
    if (phase < 25) held |= 1u << kButtonRight;
    if (phase >= 40 && phase < 60) held |= 1u << kButtonLeft;
    if (n % 19 == 7) held |= 1u << kButtonJump;
    if (n % 29 == 20) held |= 1u << kButtonTurnRight;
    if (n % 41 == 31) held |= 1u << kButtonTurnLeft;
    if (n % 37 == 0 && results.resultStep == resultOver) held |= 1u << kButtonEnter;
    if (n % 331 == 300) held |= 1u << kButtonRestart;
    return held;
}

// FNV-1a over everything the rules keep: the game's trace object and what it leaves out of the
// blocks, the puffs, the struck block and the generator.
struct Digest {
    uint64_t value = 1469598103934665603ull;
    void add(uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            value ^= (v >> (8 * i)) & 0xFF;
            value *= 1099511628211ull;
        }
    }
    void add(const std::string& s) {
        for (unsigned char ch : s) {
            value ^= ch;
            value *= 1099511628211ull;
        }
    }
};

uint64_t frameDigest() {
    Digest d;
    std::string line;
    JsonWriter json(line);
    traceGameObject(json);
    d.add(line);
    for (const Block& b : currentRoomRef().blocks) {
        for (int v : {b.x, b.y, b.worldX, b.worldY, b.vx, b.vy, b.type, int{b.stuck}, b.param,
                      b.frames, b.tick, b.active})
            d.add(static_cast<uint64_t>(static_cast<int64_t>(v)));
    }
    for (const Effect& e : world.effects)
        for (int v : {e.x, e.y, e.active, e.kind, e.tick}) d.add(static_cast<uint64_t>(static_cast<int64_t>(v)));
    d.add(static_cast<uint64_t>(world.struckBlock));
    d.add(randomState());
    return d.value;
}

class DenseRoom : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(YOMOGI_GAME_DIR);
        begin();
    }
    void TearDown() override {
        stopPlay();
        blockStepping = BlockStepping::Filed;
        std::filesystem::current_path(previous_);
    }
    void begin() {
        resetAppState();
        display.mode = 0;
        display.width = 640;
        display.height = 480;
        resetInputState();
        game = GameState{};
        clearResultRecord();
        seedRandom(7);
    }

    // World 0 without pictures, with the room of these codes added below the hall and entered.
    void enterRoom(const std::vector<int>& grid) {
        ASSERT_TRUE(startPlay(0, WorldPictures::None));
        Room room;
        room.width = room.height = kSide;
        room.originY = 20 * kCellSize;
        room.rawGrid = grid;
        for (int code : grid) room.blockCount += isBlockCode(code) ? 1 : 0;
        room.blocks.assign(static_cast<size_t>(room.blockCount), Block{});
        room.cells.resize(room.rawGrid.size());
        world.rooms.push_back(std::move(room));
        world.roomCount = static_cast<int>(world.rooms.size());
        world.currentRoom = world.targetRoom = world.roomCount - 1;
        resetRoom(world.currentRoom);
    }

    // The digest of every frame of the room played from its start, stepped the given way.
    std::vector<uint64_t> play(const std::vector<int>& grid, BlockStepping way, int frames) {
        stopPlay();
        begin();
        blockStepping = way;
        enterRoom(grid);
        std::vector<uint64_t> digests;
        for (int n = 0; n < frames; ++n) {
            pollButtons(buttonsOf(n));
            stepPlay();
            digests.push_back(frameDigest());
        }
        return digests;
    }

    std::filesystem::path previous_;
};

// What happened to the room in the last run, so that a test can tell the frames were worth
// comparing: blocks that moved, turns, falls of the player.
struct Happened {
    int turns = 0, falls = 0, outside = 0;
};

TEST_F(DenseRoom, AThousandFramesOfAHundredAndFiftyBlocksStepAsTheyAlwaysHave) {
    const std::vector<int> grid = crowdedGrid(12345, kBlocks, false);
    const std::vector<uint64_t> filed = play(grid, BlockStepping::Filed, kFrames);
    ASSERT_EQ(currentRoomRef().blockCount, kBlocks);
    EXPECT_EQ(world.currentRoom, world.roomCount - 1) << "the player stayed in the room";
    const std::vector<uint64_t> plain = play(grid, BlockStepping::Plain, kFrames);
    for (int n = 0; n < kFrames; ++n) ASSERT_EQ(filed[n], plain[n]) << "frame " << n;

    // The digests the same room gave, frame by frame, before the blocks were filed by place and
    // the order kept (the stepping as first written, every block against every other): a
    // change of any rule of play changes them, and they must then be taken again from the
    // plain stepping.
    // The room is played as one more room of world 0 as shipped, so a change of world 0 changes
    // them as well (these were taken, from the plain stepping, with world 0 of five rooms).
    const uint64_t recorded[] = {0xac457ad297e9a789ull, 0x6a782dd19c66f2fbull, 0xb66388578ae72c68ull,
                                 0xb91b965871cca341ull};
    Digest chain;
    for (int n = 0; n < kFrames; ++n) {
        chain.add(filed[n]);
        if ((n + 1) % 250 == 0) {
            EXPECT_EQ(chain.value, recorded[n / 250]) << "frames up to " << n + 1;
        }
    }
}

TEST_F(DenseRoom, RoomsWithOpeningsStepAlikeBothWays) {
    // Blocks fall out through the floor, are carried out by turns and pile up beyond the walls,
    // where the filing keeps them under the border cells.
    int framesWithBlocksOutside = 0;
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        const int count = 40 + static_cast<int>(seed) * 20;  // 60 to 160 blocks
        const std::vector<int> grid = crowdedGrid(seed, count, seed % 2 == 1);
        const std::vector<uint64_t> filed = play(grid, BlockStepping::Filed, 300);
        const std::vector<uint64_t> plain = play(grid, BlockStepping::Plain, 300);
        for (int n = 0; n < 300; ++n) ASSERT_EQ(filed[n], plain[n]) << "seed " << seed << " frame " << n;
        for (const Block& b : currentRoomRef().blocks)
            framesWithBlocksOutside += (b.x < 0 || b.y < 0 || b.x >= kSide * kCellSize || b.y >= kSide * kCellSize);
    }
    EXPECT_GT(framesWithBlocksOutside, 0) << "some blocks left their room";
}

}  // namespace
