// The state of play as a value: a snapshot taken in the middle of a room, played on, put back
// and played again with the same buttons gives the same frames; stepping without drawing and
// without pictures follows the same rules as the drawn game.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "base/json_writer.h"
#include "game/game_scene.h"
#include "game/play_state.h"
#include "stage/stage.h"

namespace {

// The buttons of frame n: walking both ways, jumping and turning both ways, as a player in a
// hurry would press them.
uint32_t buttonsOf(int n) {
    uint32_t held = 0;
    const int phase = n % 97;
    if (phase < 30) held |= 1u << kButtonRight;
    if (phase >= 45 && phase < 70) held |= 1u << kButtonLeft;
    if (n % 23 == 5) held |= 1u << kButtonJump;
    if (n % 61 == 40) held |= 1u << kButtonTurnRight;
    if (n % 89 == 10) held |= 1u << kButtonTurnLeft;
    return held;
}

std::string gameObject() {
    std::string line;
    JsonWriter json(line);
    traceGameObject(json);
    return line;
}

constexpr int kCrateRoom = 5;

class PlayState : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(YOMOGI_GAME_DIR);
        resetAppState();
        display.mode = 0;
        display.width = 640;
        display.height = 480;
        resetInputState();
        game = GameState{};
        clearResultRecord();
        seedRandom(5);
    }
    void TearDown() override {
        stopPlay();
        app.backBuffer.reset();
        std::filesystem::current_path(previous_);
    }
    // A crate room of world 0 with the player on its start cell: room 5, where the crate stands
    // on a still block and the buttons below turn the room again and again.
    void enterCrateRoom(WorldPictures pictures) {
        ASSERT_TRUE(startPlay(0, pictures));
        world.currentRoom = world.targetRoom = kCrateRoom;
        resetRoom(kCrateRoom);
    }
    std::filesystem::path previous_;
};

TEST_F(PlayState, RestoredSnapshotPlaysTheSameTwoHundredFramesAgain) {
    enterCrateRoom(WorldPictures::None);
    // Nothing was decoded, and stepping still runs every rule, turns included.
    EXPECT_EQ(world.tileSheets[0], nullptr);
    EXPECT_EQ(world.gearFrame, nullptr);
    EXPECT_EQ(player->head, nullptr);
    int frame = 0;
    for (; frame < 150; ++frame) {
        pollButtons(buttonsOf(frame));
        stepPlay();
    }
    const PlaySnapshot snapshot = capturePlay();
    const std::string atCapture = gameObject();

    auto playOn = [&](std::vector<std::string>& lines) {
        for (int n = frame; n < frame + 200; ++n) {
            pollButtons(buttonsOf(n));
            stepPlay();
            lines.push_back(gameObject());
        }
    };
    std::vector<std::string> first, second;
    playOn(first);
    // The frames were worth repeating: the room turned and the state moved on.
    EXPECT_GT(currentRoomRef().turnCount, snapshot.rooms[kCrateRoom].turnCount);
    EXPECT_NE(first.back(), atCapture);

    restorePlay(snapshot);
    EXPECT_EQ(gameObject(), atCapture);
    playOn(second);
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) ASSERT_EQ(first[i], second[i]) << "frame " << i;
}

TEST_F(PlayState, SteppingWithoutDrawingFollowsTheDrawnGame) {
    // The drawn game: update and draw each frame, with every picture.
    enterCrateRoom(WorldPictures::Decoded);
    app.backBuffer = createSurface(640, 480);
    std::vector<std::string> drawn;
    for (int n = 0; n < 400; ++n) {
        pollButtons(buttonsOf(n));
        stepPlay();
        gameDraw();
        drawn.push_back(gameObject());
    }
    stopPlay();
    resetInputState();
    game = GameState{};
    clearResultRecord();
    seedRandom(5);
    enterCrateRoom(WorldPictures::None);
    for (int n = 0; n < 400; ++n) {
        pollButtons(buttonsOf(n));
        stepPlay();
        ASSERT_EQ(gameObject(), drawn[static_cast<size_t>(n)]) << "frame " << n;
    }
    EXPECT_GT(currentRoomRef().turnCount, 1);
}

}  // namespace
