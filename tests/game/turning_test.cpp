// The quarter turn: what moves where in the frame it starts, the 30 frames of its animation,
// and when a turn may start at all.
#include <gtest/gtest.h>

#include "app/app.h"
#include "game/cells.h"
#include "stage/stage.h"
#include "stage/stage_fixture.h"
#include "stage/turning.h"

namespace {

using namespace stagetest;

class TurnTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
        createCamera();
    }
    Room& room() { return world.rooms[0]; }
    // A 10 x 10 room with a crate in its top-left corner cell and the player standing at the
    // bottom left.
    Room& cornerRoom() {
        Grid grid = walledRoom(10);
        grid[1][1] = 1220;  // a goal turned once, to follow through the turn
        Room& r = buildRoom(grid);
        r.blocks.assign(1, Block{});
        r.blockCount = 1;
        Block& b = r.blocks[0];
        b.x = 0;
        b.y = 0;
        b.type = 30;
        assignBehaviour(b);
        putPlayer(36, 264);
        return r;
    }
    void turn(int direction) {
        std::vector<Cell> scratch(100);
        turnRoom(10, 10, scratch.data(), direction);
        for (size_t i = 0; i < 100; ++i) {
            Cell& to = room().cells[i];
            to.tile = scratch[i].tile;
            to.param = scratch[i].param;
            to.counter = scratch[i].counter;
            to.procedure = scratch[i].procedure;
        }
        room().turnState = 0;
        releaseSurface(world.turnSnapshot);
    }
};

TEST_F(TurnTest, AnticlockwiseTurnMovesBlocksPlayerAndCells) {
    Room& r = cornerRoom();
    r.originX = 320;
    r.originY = 64;
    std::vector<Cell> scratch(100);
    audio.soundRequest = 0;
    turnRoom(10, 10, scratch.data(), 1);
    EXPECT_EQ(r.blocks[0].x, 0);
    EXPECT_EQ(r.blocks[0].y, 288);
    EXPECT_EQ(r.blocks[0].worldX, 320);
    EXPECT_EQ(r.blocks[0].worldY, 352);
    EXPECT_EQ(player->x, 264);
    EXPECT_EQ(player->y, 319 - (36 + 23));
    EXPECT_EQ(player->vx, 0);
    EXPECT_EQ(player->contact, 4);
    EXPECT_EQ(r.orientation, 1);
    EXPECT_EQ(r.turnState, 1);
    EXPECT_EQ(r.turnAngle, 0);
    EXPECT_EQ(r.turnCount, 1);
    EXPECT_EQ(audio.soundRequest, 3);
    ASSERT_TRUE(world.turnSnapshot);
    EXPECT_EQ(world.turnSnapshot->width, 320);
    // The goal at row 1, column 1 is now at row 8, column 1 (the left column went to the bottom).
    EXPECT_EQ(scratch[8 * 10 + 1].tile, 220);
    EXPECT_EQ(scratch[8 * 10 + 1].param, 1);
    EXPECT_EQ(player->turnReaction, 1);
}

TEST_F(TurnTest, ClockwiseTurnMovesTheOtherWay) {
    Room& r = cornerRoom();
    player->facing = 0;
    std::vector<Cell> scratch(100);
    turnRoom(10, 10, scratch.data(), 3);
    EXPECT_EQ(r.blocks[0].x, 288);
    EXPECT_EQ(r.blocks[0].y, 0);
    EXPECT_EQ(player->x, 319 - (264 + 23));
    EXPECT_EQ(player->y, 36);
    EXPECT_EQ(r.orientation, 3);
    EXPECT_EQ(r.turnState, 3);
    EXPECT_EQ(scratch[1 * 10 + 8].tile, 220);
    EXPECT_EQ(player->turnReaction, 2);
}

TEST_F(TurnTest, OrientationAndMoveCountFollowTheTurns) {
    Room& r = cornerRoom();
    for (int i = 0; i < 4; ++i) turn(1);
    EXPECT_EQ(r.orientation, 0);
    EXPECT_EQ(r.turnCount, 4);
    EXPECT_EQ(r.blocks[0].x, 0);
    EXPECT_EQ(r.blocks[0].y, 0);
    EXPECT_EQ(r.cells[11].tile, 220);
    turn(1);
    turn(3);
    EXPECT_EQ(r.orientation, 0);
    EXPECT_EQ(r.turnCount, 6);
    r.turnCount = 998;
    turn(3);
    turn(3);
    EXPECT_EQ(r.turnCount, 999);
}

TEST_F(TurnTest, TheAnimationShowsThirtyFramesAndReleasesThePicture) {
    Room& r = cornerRoom();
    setButton(kButtonTurnLeft, 2);
    startTurnIfAsked();
    EXPECT_EQ(r.turnState, 1);
    EXPECT_EQ(r.cells[8 * 10 + 1].tile, 220) << "the turned cells are copied back";
    EXPECT_EQ(r.cells[8 * 10 + 1].x, 32) << "each place keeps its position";
    setButton(kButtonTurnLeft, 0);
    std::vector<int> angles;
    const int playerY = player->y;
    while (r.turnState != 0 && angles.size() < 100) {
        updateStage();
        angles.push_back(r.turnAngle);
        ASSERT_EQ(player->y, playerY) << "nothing moves while the room turns";
    }
    ASSERT_EQ(angles.size(), 30u);
    EXPECT_EQ(angles[0], -3);
    EXPECT_EQ(angles[28], -87);
    EXPECT_EQ(angles[29], 0);
    EXPECT_FALSE(world.turnSnapshot);
}

TEST_F(TurnTest, ATurnNeedsAStillRoomAndAStandingNormalPlayer) {
    Room& r = cornerRoom();
    setButton(kButtonTurnLeft, 2);
    player->contact = 4;
    startTurnIfAsked();
    EXPECT_EQ(r.turnCount, 0);
    player->contact = 5;
    player->state = playerAppearing;
    startTurnIfAsked();
    EXPECT_EQ(r.turnCount, 0);
    player->state = playerNormal;
    setButton(kButtonTurnLeft, 3);  // held, not pressed in this frame
    startTurnIfAsked();
    EXPECT_EQ(r.turnCount, 0);
    setButton(kButtonTurnRight, 2);
    startTurnIfAsked();
    EXPECT_EQ(r.turnCount, 1);
    EXPECT_EQ(r.turnState, 3);
    player->contact = 5;
    startTurnIfAsked();
    EXPECT_EQ(r.turnCount, 1) << "no turn while one is shown";
}

TEST_F(TurnTest, RestartIsRequestedOnceAndAcceptedDuringATurn) {
    Room& r = cornerRoom();
    r.turnState = 1;
    r.turnAngle = -30;
    world.turnSnapshot = createSurface(320, 320);
    setButton(kButtonRestart, 2);
    results.resultPhase = 2;
    updateStage();
    EXPECT_EQ(world.roomRestartPending, 1);
    EXPECT_EQ(results.resultPhase, 3);
    EXPECT_EQ(app.overlayStep, &startFade);
    app.overlayStep = nullptr;
    updateStage();
    EXPECT_EQ(app.overlayStep, nullptr) << "a second press starts no second fade";

    world.roomRestartPending = 0;
    player->state = playerDestroyed;
    updateStage();
    EXPECT_EQ(world.roomRestartPending, 0);
}

TEST_F(TurnTest, ResetPutsTheRoomBackAsLoaded) {
    Room& r = cornerRoom();
    r.rawGrid[2 * 10 + 2] = 30;
    r.blockCount = 1;
    turn(1);
    r.turnState = 1;
    r.turnAngle = -9;
    world.roomRestartPending = 1;
    resetRoom(0);
    EXPECT_EQ(world.roomRestartPending, 0);
    EXPECT_EQ(r.orientation, 0);
    EXPECT_EQ(r.turnCount, 0);
    EXPECT_EQ(r.turnState, 0);
    EXPECT_EQ(r.turnAngle, 0);
    EXPECT_EQ(r.cells[11].tile, 220);
    EXPECT_EQ(r.blocks[0].x, 64);
    EXPECT_EQ(r.blocks[0].y, 64);
}

}  // namespace
