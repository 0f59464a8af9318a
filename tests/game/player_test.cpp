// The player frame by frame: walking and its speeds, jumping, head bumps, gravity, falling out
// of the view, appearing, turning with the room, the destroyed sinking and the failure sequence,
// and the exit and leave states' room changes.
#include "result/result.h"
#include "stage/collision.h"
#include "stage/stage.h"
#include "stage/stage_fixture.h"

namespace {

using namespace stagetest;

class PlayerSteps : public StageTest {
protected:
    // A 10 x 10 walled room with the player standing on its floor (floor top at 288).
    Player& standing(int x = 100) {
        buildRoom(walledRoom(10));
        return putPlayer(x, 264);
    }
};

TEST_F(PlayerSteps, WalkingSpeedsBuildUpAndDieAway) {
    Player& p = standing(150);
    setButton(kButtonLeft, 2);
    std::vector<int> speeds;
    for (int i = 0; i < 9; ++i) {
        stepPlayer();
        speeds.push_back(p.vx);
        setButton(kButtonLeft, 3);
    }
    EXPECT_EQ(speeds, (std::vector<int>{-1, -2, -3, -4, -5, -6, -7, -7, -7}));
    EXPECT_EQ(p.facing, 0);
    EXPECT_EQ(p.x, 150 - (1 + 2 + 3 + 4 + 5 + 6 + 7 + 7 + 7));
    setButton(kButtonLeft, 1);
    stepPlayer();
    EXPECT_EQ(p.vx, -4);
    setButton(kButtonLeft, 0);
    stepPlayer();
    EXPECT_EQ(p.vx, -1);
    stepPlayer();
    EXPECT_EQ(p.vx, 0);
    EXPECT_EQ(p.row, 0);  // standing
    EXPECT_EQ(p.y, 264);
    EXPECT_EQ(p.contact, kPlayerStanding);

    setButton(kButtonRight, 3);
    stepPlayer();
    EXPECT_EQ(p.vx, 1);
    EXPECT_EQ(p.facing, 1);
    EXPECT_EQ(p.row, 1);  // walking
}

TEST_F(PlayerSteps, WalkingIntoAWallStops) {
    Player& p = standing(40);
    setButton(kButtonLeft, 3);
    for (int i = 0; i < 5; ++i) stepPlayer();
    EXPECT_EQ(p.x, 32);
    EXPECT_EQ(p.vx, 0);  // the wall stops it every frame
}

TEST_F(PlayerSteps, JumpFromTheGroundGivesMinusNine) {
    Player& p = standing();
    setButton(kButtonJump, 2);
    stepPlayer();
    EXPECT_EQ(p.vy, -9);
    EXPECT_EQ(p.y, 264 - 9);
    EXPECT_EQ(p.contact, kPlayerRising);
    EXPECT_EQ(audio.soundRequest, 2);
    EXPECT_EQ(p.row, 4);
    // Held, not pressed: no second jump; gravity takes over.
    audio.soundRequest = 0;
    setButton(kButtonJump, 3);
    stepPlayer();
    EXPECT_EQ(p.vy, -8);
    EXPECT_EQ(audio.soundRequest, 0);
    // Pressed again in the air: refused while rising (3) or with nothing below (4).
    setButton(kButtonJump, 2);
    stepPlayer();
    EXPECT_EQ(p.vy, -7);
    p.contact = kPlayerAirborne;
    stepPlayer();
    EXPECT_EQ(p.vy, -6);
    EXPECT_EQ(audio.soundRequest, 0);
}

TEST_F(PlayerSteps, HeadBumpCountsAsStandingSoAJumpMayFollow) {
    buildRoom(walledRoom(10));
    Player& p = putPlayer(100, 40);
    setButton(kButtonJump, 2);
    stepPlayer();
    EXPECT_EQ(p.y, 32);
    EXPECT_EQ(p.vy, 0);
    EXPECT_EQ(p.contact, kPlayerStanding);
    audio.soundRequest = 0;
    stepPlayer();  // still pressed in this test's button table: jumps again at once
    EXPECT_EQ(audio.soundRequest, 2);
}

TEST_F(PlayerSteps, FallingSpeedNeverExceedsTen) {
    Grid grid(20, std::vector<int>(20, 0));
    buildRoom(grid);
    Player& p = putPlayer(100, 0, playerNormal, kPlayerAirborne);
    int fastest = 0;
    for (int i = 0; i < 30; ++i) {
        stepPlayer();
        fastest = std::max(fastest, p.vy);
        if (i < 10) {
            EXPECT_EQ(p.vy, i + 1);
        }
    }
    EXPECT_EQ(fastest, 10);
}

TEST_F(PlayerSteps, FallsOutOfTheViewWhileStillInTheRoom) {
    Grid grid(20, std::vector<int>(20, 0));  // 640 x 640, no floor
    buildRoom(grid);
    Player& p = putPlayer(100, 400, playerNormal, kPlayerAirborne);
    int lastWorldY = p.worldY;
    int frames = 0;
    while (p.state == playerNormal && frames < 60) {
        lastWorldY = p.worldY;
        stepPlayer();
        ++frames;
    }
    ASSERT_EQ(p.state, playerFallen);
    // The test reads the position the last step left: the box was wholly below the view.
    EXPECT_GE(lastWorldY, 480);
    EXPECT_LT(p.y + 24, 640);
    EXPECT_EQ(p.frame, 0);
    EXPECT_EQ(p.stepFlag, 0);
}

TEST_F(PlayerSteps, PlacedOnTheStartCellAndFadesInOverFiftyFrames) {
    Grid grid = walledRoom(10);
    grid[8][2] = 210;
    buildRoom(grid, 320, 64);
    player = std::make_unique<Player>();
    placePlayer();
    Player& p = *player;
    EXPECT_EQ(p.x, 2 * 32 + 4);
    EXPECT_EQ(p.y, 8 * 32 + 8);
    EXPECT_EQ(p.worldX, 320 + 68);
    EXPECT_EQ(p.worldY, 64 + 264);
    EXPECT_EQ(p.facing, 1);
    EXPECT_EQ(p.opacity, 1);
    EXPECT_EQ(p.contact, kPlayerStanding);
    EXPECT_EQ(p.state, playerAppearing);
    setButton(kButtonLeft, 3);  // ignored while appearing
    for (int i = 0; i < 49; ++i) stepPlayer();
    EXPECT_EQ(p.state, playerAppearing);
    EXPECT_EQ(p.opacity, 99);
    EXPECT_EQ(p.contact, kPlayerNotNormal);
    EXPECT_EQ(p.x, 68);
    stepPlayer();
    EXPECT_EQ(p.state, playerNormal);
    EXPECT_EQ(p.opacity, 100);
    EXPECT_STREQ(playerStateName(), "normal");
}

TEST_F(PlayerSteps, RoomWithoutStartCellKeepsThePlayer) {
    buildRoom(walledRoom(10));
    Player& p = putPlayer(77, 99);
    placePlayer();
    EXPECT_EQ(p.x, 77);
    EXPECT_EQ(p.y, 99);
    EXPECT_EQ(p.state, playerNormal);
}

TEST_F(PlayerSteps, TurnsWithTheRoom) {
    buildRoom(walledRoom(10));
    Player& p = putPlayer(0, 0);
    turnPlayer(1);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 296);
    putPlayer(0, 0);
    turnPlayer(3);
    EXPECT_EQ(player->x, 296);
    EXPECT_EQ(player->y, 0);
    putPlayer(68, 264);
    turnPlayer(1);
    EXPECT_EQ(player->x, 264);
    EXPECT_EQ(player->y, 319 - (68 + 23));
    stopPlayer();
    EXPECT_EQ(player->contact, kPlayerAirborne);
    EXPECT_EQ(player->vx, 0);
}

TEST_F(PlayerSteps, DestroyedSinksAndThenStartsTheFade) {
    buildRoom(walledRoom(10));
    Player& p = putPlayer(100, 200, playerDestroyed);
    p.frame = 0;
    p.animTick = 0;
    std::vector<int> sinks;
    int lastY = p.y;
    for (int i = 1; i <= 48; ++i) {
        stepPlayer();
        if (p.y != lastY) sinks.push_back(i * 100 + (p.y - lastY));
        lastY = p.y;
    }
    // Frames 1, 2 begin after 16 and 32 steps (animation period 15); frame 3 after 48.
    EXPECT_EQ(sinks, (std::vector<int>{1606, 3206, 4812}));
    EXPECT_EQ(p.frame, 3);
    EXPECT_EQ(p.stepFlag, 1);
    EXPECT_EQ(p.row, 6);
    EXPECT_EQ(app.overlayStep, startFade);
    stepPlayer();
    EXPECT_EQ(p.y, lastY) << "the last sink happens once";
}

class FailureSequence : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        Grid hall = walledRoom(10);
        hall[8][2] = 200;
        Grid room = walledRoom(10);
        room[8][5] = 200;
        room[2][3] = 30;
        buildRoom(hall);
        appendRoom(room, 400, 0);
        world.currentRoom = 1;
        putPlayer(100, 100, playerFallen);
        player->frame = 3;
        world.rooms[1].blocks[0].y = 200;  // moved by play
        world.rooms[1].orientation = 2;
    }
};

TEST_F(FailureSequence, RetryResetsTheRoom) {
    stepPlayer();
    EXPECT_EQ(app.overlayStep, startFade);
    app.fadeState = 1;
    results.resultChoice = 1;
    stepPlayer();
    EXPECT_EQ(world.currentRoom, 1);
    EXPECT_EQ(player->state, playerAppearing);
    EXPECT_EQ(player->x, 5 * 32 + 4);
    EXPECT_EQ(world.rooms[1].blocks[0].y, 64);
    EXPECT_EQ(world.rooms[1].orientation, 0);
    EXPECT_EQ(player->stepFlag, 0);
}

TEST_F(FailureSequence, LeavingGoesBackToTheHall) {
    app.fadeState = 1;
    results.resultChoice = 2;
    stepPlayer();
    EXPECT_EQ(world.currentRoom, 0);
    EXPECT_EQ(player->state, playerAppearing);
    EXPECT_EQ(player->x, 2 * 32 + 4);
    EXPECT_EQ(world.rooms[1].blocks[0].y, 64) << "the room left is reset too";
}

TEST_F(FailureSequence, OverMenuIsInstalledAtSeventyPercent) {
    app.overlayStep = fadeStep;  // a fade already running
    app.fadeState = 3;
    stepPlayer();
    EXPECT_EQ(results.resultStep, resultOver);
    EXPECT_EQ(app.fadeRun, 0);
}

class RoomChanges : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        Grid hall = walledRoom(10);
        hall[8][2] = 200;
        hall[8][6] = 230;  // door to room 1
        Grid room = walledRoom(10);
        room[8][5] = 210;
        buildRoom(hall);
        appendRoom(room, 640, 0);
        createCamera();
    }
};

TEST_F(RoomChanges, ExitThroughAHallDoorGlidesWithoutAButton) {
    world.currentRoom = 0;
    world.targetRoom = 1;
    Player& p = putPlayer(196, 264, playerExit);
    for (int i = 0; i < 50; ++i) stepPlayer();
    EXPECT_EQ(p.opacity, 0);
    EXPECT_EQ(camera->override, nullptr);
    EXPECT_EQ(results.resultStep, nullptr) << "no CLEAR panel in the hall";
    stepPlayer();
    EXPECT_EQ(camera->override, cameraGlide);
    EXPECT_EQ(results.resultPhase, 3);
    // The glide arrives.
    camera->override = nullptr;
    camera->glidePhase = 2;
    stepPlayer();
    EXPECT_EQ(world.currentRoom, 1);
    EXPECT_EQ(audio.musicRequest, 5);
    EXPECT_EQ(camera->glidePhase, 0);
    EXPECT_EQ(player->state, playerAppearing);
    EXPECT_EQ(player->x, 5 * 32 + 4);
    EXPECT_EQ(player->facing, 1);
}

TEST_F(RoomChanges, ExitFromAGoalWaitsForEnterUnderTheClearPanel) {
    world.currentRoom = 1;
    world.targetRoom = 0;
    world.rooms[1].bestMoves = 3;  // already cleared once: no first-clear work
    putPlayer(100, 264, playerExit);
    stepPlayer();
    EXPECT_EQ(results.resultStep, resultClear);
    for (int i = 0; i < 60; ++i) stepPlayer();
    EXPECT_EQ(camera->override, nullptr) << "waits for Enter";
    setButton(kButtonEnter, 2);
    stepPlayer();
    EXPECT_EQ(audio.soundRequest, 1);
    EXPECT_EQ(results.resultPhase, 3);
    EXPECT_EQ(camera->override, cameraGlide);
}

TEST_F(RoomChanges, LeaveFromARoomGlidesBackToTheHall) {
    world.currentRoom = 1;
    world.targetRoom = 1;
    putPlayer(164, 264, playerLeave);
    for (int i = 0; i < 51; ++i) stepPlayer();
    EXPECT_EQ(camera->override, cameraGlide);
    EXPECT_EQ(world.targetRoom, 0);
    camera->override = nullptr;
    camera->glidePhase = 2;
    stepPlayer();
    EXPECT_EQ(world.currentRoom, 0);
    EXPECT_EQ(audio.musicRequest, 2);
    EXPECT_EQ(player->x, 2 * 32 + 4);
    EXPECT_STREQ(playerStateName(), "appearing");
}

TEST_F(RoomChanges, LeaveFromTheHallEndsTheWorldWhenTheScreenIsBlack) {
    world.currentRoom = 0;
    putPlayer(68, 264, playerLeave);
    for (int i = 0; i < 51; ++i) stepPlayer();
    EXPECT_EQ(app.overlayStep, startFade);
    EXPECT_EQ(game.gameEnded, 0);
    app.fadeState = 1;
    results.goToNextWorld = 1;
    app.fadeRun = 1;
    stepPlayer();
    EXPECT_EQ(game.gameEnded, 1);
    EXPECT_EQ(app.fadeRun, 0) << "black on into the next world";
}

}  // namespace
