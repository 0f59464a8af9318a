// Block behaviours frame by frame: falling speeds and dust, crushing, the heavy weight, lifts,
// springs, spikes, arrows, liquid, sticky blocks and blocks leaving the view.
#include <vector>

#include "stage/collision.h"
#include "stage/turning.h"
#include "stage/stage_fixture.h"

namespace {

using namespace stagetest;

class Blocks : public StageTest {};

// A 10 x 10 walled room (floor top at y 288) with one block code at (row, column).
Room& roomWith(int row, int column, int code) {
    Grid grid = walledRoom(10);
    grid[static_cast<size_t>(row)][static_cast<size_t>(column)] = code;
    return buildRoom(grid);
}

TEST_F(Blocks, PlacedFromTheGridWithTypeAndDirection) {
    Grid grid = walledRoom(10);
    grid[1][2] = 41;    // heavy weight on open tile 1
    grid[1][3] = 2041;  // the same, pointing down
    grid[2][4] = 200;   // a start cell, not a block
    grid[2][5] = 210;
    grid[3][6] = 1130;  // liquid pointing left
    Room& room = buildRoom(grid, 64, 96);
    ASSERT_EQ(room.blockCount, 3);
    EXPECT_EQ(block(0).type, 40);
    EXPECT_EQ(block(0).param, 0);
    EXPECT_EQ(room.cells[1 * 10 + 2].tile, 1);
    EXPECT_EQ(block(1).type, 40);
    EXPECT_EQ(block(1).param, 2);
    EXPECT_EQ(block(1).x, 96);
    EXPECT_EQ(block(1).y, 32);
    EXPECT_EQ(block(1).worldX, 96 + 64);
    EXPECT_EQ(block(1).worldY, 32 + 96);
    EXPECT_EQ(block(1).perFrame, blockHeavyFalling);
    EXPECT_EQ(block(2).type, 130);
    EXPECT_EQ(block(2).param, 1);
    EXPECT_EQ(block(2).perFrame, blockLiquid);
    EXPECT_EQ(block(2).frames, 4);
    EXPECT_EQ(block(2).active, 1);
}

TEST_F(Blocks, BehaviourByType) {
    struct Row { int type; void (*perFrame)(int); void (*contact)(int); int frames; };
    const Row rows[] = {
        {30, blockFalling, contactNone, 1},      {40, blockHeavyFalling, contactNone, 1},
        {50, blockRising, contactNone, 1},       {60, blockGhostFalling, contactNone, 1},
        {70, blockFalling, contactNone, 1},      {80, blockFalling, contactHazard, 10},
        {90, blockStill, contactHazard, 1},      {100, blockStill, contactSpike, 2},
        {110, blockFalling, contactSpring, 1},   {120, blockArrow, contactNone, 3},
        {130, blockLiquid, contactNone, 4},      {140, blockSticky, contactNone, 1},
        {150, blockStill, contactNone, 1},       {160, blockFalling, contactNone, 1},
        {190, blockFalling, contactNone, 1},
    };
    for (const Row& r : rows) {
        Block b;
        b.type = r.type;
        assignBehaviour(b);
        EXPECT_EQ(b.perFrame, r.perFrame) << r.type;
        EXPECT_EQ(b.contact, r.contact) << r.type;
        EXPECT_EQ(b.frames, r.frames) << r.type;
    }
}

TEST_F(Blocks, CrateFallsOneTwoThreeThenTenAndRaisesDustOnLanding) {
    roomWith(1, 4, 30);
    std::vector<int> steps;
    int lastY = block(0).y;
    for (int frame = 0; frame < 40; ++frame) {
        stepBlocks();
        steps.push_back(block(0).y - lastY);
        lastY = block(0).y;
        if (block(0).vy == 0) break;
        EXPECT_EQ(activePuffs(), 0) << "no dust in the air";
    }
    // 1..10, then 10 per frame, then the landing on the floor at y 256.
    for (int i = 0; i < 10; ++i) EXPECT_EQ(steps[static_cast<size_t>(i)], i + 1);
    for (size_t i = 10; i + 1 < steps.size(); ++i) EXPECT_EQ(steps[i], 10);
    EXPECT_EQ(block(0).y, 256);
    EXPECT_EQ(steps.size(), 27u);
    ASSERT_EQ(activePuffs(), 1);
    EXPECT_EQ(world.effects[0].x, 128 - 8);
    EXPECT_EQ(world.effects[0].y, 256 - 8);
    EXPECT_EQ(world.effects[0].kind, 0);
}

TEST_F(Blocks, DustOnlyWhenLandingFasterThanFive) {
    roomWith(8, 4, 30);
    block(0).y = 246;  // lands with vy 5
    for (int i = 0; i < 6; ++i) stepBlocks();
    EXPECT_EQ(block(0).y, 256);
    EXPECT_EQ(block(0).vy, 0);
    EXPECT_EQ(activePuffs(), 0);

    roomWith(8, 4, 30);
    block(0).y = 240;  // lands with vy 6
    for (int i = 0; i < 7; ++i) stepBlocks();
    EXPECT_EQ(block(0).y, 256);
    EXPECT_EQ(activePuffs(), 1);
}

TEST_F(Blocks, CrateOnAStandingPlayerCrushesIt) {
    roomWith(1, 4, 30);
    Player& p = putPlayer(132, 264);
    p.frame = 2;
    p.stepFlag = 1;
    for (int i = 0; i < 40 && p.state == playerNormal; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerDestroyed);
    EXPECT_EQ(p.frame, 0);
    EXPECT_EQ(p.stepFlag, 0);
    EXPECT_EQ(block(0).y, 264 - 32);
    EXPECT_EQ(block(0).vy, 0);
    EXPECT_EQ(activePuffs(), 1);
}

TEST_F(Blocks, CrateOnAJumpingPlayerRestsOnItsHead) {
    roomWith(1, 4, 30);
    Player& p = putPlayer(132, 264, playerNormal, kPlayerRising);
    for (int i = 0; i < 40; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerNormal);
    EXPECT_EQ(block(0).y, 264 - 32);
    EXPECT_EQ(block(0).vy, 0);
}

TEST_F(Blocks, CrateBesideThePlayerPassesIt) {
    roomWith(1, 4, 30);
    Player& p = putPlayer(160, 264);  // the column to the right
    for (int i = 0; i < 40; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerNormal);
    EXPECT_EQ(block(0).y, 256);
}

TEST_F(Blocks, HeavyWeightFallsTwiceAsHardAndCrushesKeepingTheFrame) {
    roomWith(1, 4, 40);
    int lastY = block(0).y;
    for (int i = 1; i <= 10; ++i) {
        stepBlocks();
        EXPECT_EQ(block(0).y - lastY, std::min(2 * i, 20)) << "frame " << i;
        lastY = block(0).y;
    }
    roomWith(1, 4, 40);
    Player& p = putPlayer(132, 264);
    p.frame = 2;
    for (int i = 0; i < 40 && p.state == playerNormal; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerDestroyed);
    EXPECT_EQ(p.frame, 2);
    EXPECT_EQ(block(0).y, 232);
}

TEST_F(Blocks, GhostBlockPassesThroughThePlayer) {
    roomWith(1, 4, 60);
    Player& p = putPlayer(132, 264);
    for (int i = 0; i < 40; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerNormal);
    EXPECT_EQ(block(0).y, 256);
}

TEST_F(Blocks, LiftCarriesThePlayerAndSqueezesItAgainstTheCeiling) {
    Grid grid = walledRoom(8);
    grid[6][3] = 50;
    buildRoom(grid);
    Player& p = putPlayer(96, 168);
    int fallenAt = 0;
    for (int frame = 1; frame <= 80 && !fallenAt; ++frame) {
        stepBlocks();
        if (p.state == playerFallen) {
            fallenAt = frame;
            break;
        }
        EXPECT_EQ(p.y, block(0).y - 24) << "frame " << frame;
        EXPECT_EQ(p.contact, kPlayerStanding);
        EXPECT_EQ(block(0).y, 192 - 2 * frame);
        stepPlayer();
        EXPECT_EQ(p.y, block(0).y - 24) << "frame " << frame;
    }
    // The player's top would pass the ceiling's border (y 32) in frame 69: it is pushed back
    // and squeezed out.
    EXPECT_EQ(fallenAt, 69);
    EXPECT_EQ(p.y, 32);
    EXPECT_EQ(p.stepFlag, 0);
    EXPECT_EQ(block(0).y, 192 - 2 * 69);
    const int liftY = block(0).y;
    stepBlocks();
    EXPECT_EQ(block(0).y, liftY) << "a lift stands still once the player has fallen";
}

TEST_F(Blocks, LiftSqueezesThePlayerAgainstABlockAbove) {
    Grid grid = walledRoom(10);
    grid[8][3] = 50;
    grid[5][3] = 150;  // a still block hanging in the way
    buildRoom(grid);
    Player& p = putPlayer(96, 232);  // standing on the lift (index 1) at y 256
    int frames = 0;
    while (p.state == playerNormal && frames < 40) {
        stepBlocks();
        ++frames;
    }
    // The still block's bottom is at 192: the rider's top, as it was before the frame's lift,
    // is under it from frame 22 on.
    EXPECT_EQ(p.state, playerFallen);
    EXPECT_EQ(frames, 22);
    EXPECT_EQ(block(1).y, 256 - 2 * 22);
    EXPECT_EQ(p.y, 256 - 2 * 22 - 24);
}

TEST_F(Blocks, LiftStopsUnderAWall) {
    Grid grid = walledRoom(6);
    grid[4][2] = 50;
    buildRoom(grid);
    for (int i = 0; i < 100; ++i) stepBlocks();
    EXPECT_EQ(block(0).y, 32);
    EXPECT_EQ(block(0).vy, 0);
}

TEST_F(Blocks, SpringThrowsThePlayerUpWithOneSoundPerLanding) {
    roomWith(8, 4, 110);
    Player& p = putPlayer(132, 200, playerNormal, kPlayerAirborne);
    int sounds = 0, throws = 0, firstThrow = 0;
    for (int frame = 1; frame <= 90; ++frame) {
        stepBlocks();
        stepPlayer();
        if (audio.soundRequest == 2) ++sounds;
        audio.soundRequest = 0;
        if (p.vy == -20) {
            ++throws;
            if (!firstThrow) firstThrow = frame;
            EXPECT_EQ(p.contact, kPlayerRising);
            EXPECT_EQ(p.y, 256 - 24);
        }
    }
    EXPECT_EQ(firstThrow, 8);
    EXPECT_GE(throws, 2);
    EXPECT_EQ(sounds, throws);
}

// A spike block standing on the floor of a 10 x 10 room at (128, 256).
class Spikes : public StageTest {
protected:
    Room& room(int param, int orientation) {
        Room& r = roomWith(8, 4, param * 1000 + 100);
        r.orientation = orientation;
        return r;
    }
    // The player comes down onto the spike from above.
    void land() {
        putPlayer(132, 236, playerNormal, kPlayerAirborne);
        playerMoveVertical();
        EXPECT_EQ(player->y, 232);
    }
    // The player walks into the spike's left side.
    void walkIntoLeftSide() {
        putPlayer(110, 250);
        playerMoveHorizontal();
        EXPECT_EQ(player->x, 104);
    }
};

TEST_F(Spikes, FacingUpKillOnLanding) {
    room(0, 0);
    land();
    EXPECT_EQ(player->state, playerFallen);
    room(0, 0);
    walkIntoLeftSide();
    EXPECT_EQ(player->state, playerNormal);
}

TEST_F(Spikes, TurnedOnceAnticlockwiseFaceLeft) {
    room(0, 1);
    land();
    EXPECT_EQ(player->state, playerNormal);
    room(0, 1);
    walkIntoLeftSide();
    EXPECT_EQ(player->state, playerFallen);
    EXPECT_EQ(player->frame, 0);
    EXPECT_EQ(player->stepFlag, 0);
}

TEST_F(Spikes, FacingRightKillFromTheRightSide) {
    room(3, 0);
    putPlayer(150, 250);
    playerMoveHorizontal();
    EXPECT_EQ(player->x, 160);
    EXPECT_EQ(player->state, playerFallen);
}

TEST_F(Spikes, FacingDownKillAHeadStrike) {
    Room& r = roomWith(1, 4, 2100);  // hanging under the ceiling
    r.orientation = 0;
    putPlayer(132, 60, playerNormal, kPlayerRising);
    playerMoveVertical();
    EXPECT_EQ(player->y, 64);
    EXPECT_EQ(player->state, playerFallen);
    roomWith(1, 4, 100);  // the same spike facing up: a head strike is harmless
    putPlayer(132, 60, playerNormal, kPlayerRising);
    playerMoveVertical();
    EXPECT_EQ(player->state, playerNormal);
}

TEST_F(Blocks, HazardKillsFromAnySide) {
    roomWith(8, 4, 90);
    putPlayer(110, 250);
    playerMoveHorizontal();
    EXPECT_EQ(player->state, playerFallen);
}

TEST_F(Blocks, ArrowsPushInAllFourDirections) {
    struct Case { int param, orientation, vx, vy; };
    // Player speeds before: vx 5, vy 9 (vx halves across a vertical push, a downward vy is
    // quartered across a horizontal one).
    const Case cases[] = {
        {0, 0, 2, -7}, {1, 0, -7, 2}, {2, 0, 2, 7}, {3, 0, 7, 2},
        {1, 1, 2, 7},  // pointing left, turned once anticlockwise: down
        {0, 3, 7, 2},
    };
    for (const Case& c : cases) {
        roomWith(4, 4, c.param * 1000 + 120);
        world.rooms[0].orientation = c.orientation;
        Player& p = putPlayer(132, 132);
        p.vx = 5;
        p.vy = 9;
        stepBlocks();
        EXPECT_EQ(p.vx, c.vx) << c.param << "/" << c.orientation;
        EXPECT_EQ(p.vy, c.vy) << c.param << "/" << c.orientation;
    }
    // Divisions truncate toward zero.
    roomWith(4, 4, 120);
    Player& p = putPlayer(132, 132);
    p.vx = -5;
    stepBlocks();
    EXPECT_EQ(p.vx, -2);
    // Not overlapping: nothing.
    roomWith(4, 4, 120);
    Player& q = putPlayer(200, 200);
    q.vx = 5;
    stepBlocks();
    EXPECT_EQ(q.vx, 5);
}

TEST_F(Blocks, CrateSinksThroughLiquidOnePixelPerFrame) {
    Grid grid = walledRoom(10);
    grid[1][4] = 30;
    grid[8][4] = 130;
    buildRoom(grid);
    std::vector<int> ys;
    for (int i = 0; i < 60; ++i) {
        stepBlocks();
        ys.push_back(block(0).y);
    }
    // The crate falls freely until it is inside the water, then sinks a pixel per frame.
    size_t entered = 0;
    while (entered < ys.size() && ys[entered] + 32 <= 256) ++entered;
    ASSERT_LT(entered, ys.size());
    EXPECT_EQ(block(0).vy, 0);
    for (size_t i = entered + 1; i < ys.size() && ys[i - 1] < 256; ++i)
        EXPECT_EQ(ys[i] - ys[i - 1], 1) << "frame " << i;
    EXPECT_EQ(block(1).y, 256);
    // Dust of the water (kind 1) where the crate went in fast.
    bool waterDust = false;
    for (const Effect& e : world.effects) waterDust |= e.active && e.kind == 1;
    EXPECT_TRUE(waterDust);
}

TEST_F(Blocks, HeavyWeightFallsThroughLiquid) {
    Grid grid = walledRoom(10);
    grid[1][4] = 40;
    grid[8][4] = 130;
    buildRoom(grid);
    int lastY = block(0).y;
    int frame = 0;
    while (block(0).y < 256 && frame < 30) {
        stepBlocks();
        ++frame;
        if (block(0).y < 256) {
            EXPECT_EQ(block(0).y - lastY, std::min(2 * frame, 20));
        }
        lastY = block(0).y;
    }
    EXPECT_EQ(block(0).y, 256);
}

TEST_F(Blocks, PlayerFloatsInLiquid) {
    roomWith(8, 4, 130);
    Player& p = putPlayer(132, 250, playerNormal, kPlayerAirborne);
    p.vx = 4;
    p.vy = 6;
    stepBlocks();
    EXPECT_EQ(p.vx, 0);
    EXPECT_EQ(p.vy, 0);
    EXPECT_EQ(p.contact, kPlayerStanding);
    // A press of the jump button inside the water lifts it.
    setButton(kButtonJump, 2);
    stepBlocks();
    EXPECT_EQ(p.vy, -2);
}

TEST_F(Blocks, TwoStickyBlocksJoinAndStayWhenTheFloorGoes) {
    Grid grid = walledRoom(10);
    grid[8][3] = 140;
    grid[8][4] = 140;
    grid[8][7] = 140;  // a third one alone
    Room& room = buildRoom(grid);
    stepBlocks();
    EXPECT_EQ(block(0).stuck, 1);
    EXPECT_EQ(block(1).stuck, 1);
    EXPECT_EQ(block(2).stuck, 0);
    // Open the floor under all three, as if the room had turned.
    for (int c = 1; c < 9; ++c) room.cells[static_cast<size_t>(9 * 10 + c)].tile = 0;
    for (int i = 0; i < 5; ++i) stepBlocks();
    EXPECT_EQ(block(0).y, 256);
    EXPECT_EQ(block(1).y, 256);
    EXPECT_GT(block(2).y, 256);
}

TEST_F(Blocks, JoinedStickyBlocksStayPutThroughARealTurn) {
    Grid grid = walledRoom(10);
    grid[8][4] = 140;
    grid[8][5] = 140;
    grid[8][7] = 30;   // a crate beside them: it turns into the same column and falls
    grid[5][2] = 10;   // a ledge for the player, out of the way of the falling
    buildRoom(grid);
    display.mode = 0;
    putPlayer(68, 136);
    stepBlocks();
    ASSERT_EQ(block(0).stuck, 1);
    ASSERT_EQ(block(1).stuck, 1);
    setButton(kButtonTurnLeft, 2);
    startTurnIfAsked();
    ASSERT_EQ(world.rooms[0].orientation, 1);
    // Anticlockwise: (x, y) becomes (y, 320 - 32 - x).
    EXPECT_EQ(block(0).x, 256);
    EXPECT_EQ(block(0).y, 160);
    EXPECT_EQ(block(1).y, 128);
    EXPECT_EQ(block(2).y, 64);
    world.turnSnapshot.reset();
    world.rooms[0].turnState = 0;
    for (int i = 0; i < 40; ++i) stepBlocks();
    EXPECT_EQ(block(0).y, 160) << "joined blocks hang where the turn left them";
    EXPECT_EQ(block(1).y, 128);
    EXPECT_EQ(block(2).y, 96) << "the crate falls onto the joined blocks, which hold it";
}

TEST_F(Blocks, StickyBlockCrushesAStandingPlayer) {
    roomWith(1, 4, 140);
    Player& p = putPlayer(132, 264);
    p.frame = 1;
    for (int i = 0; i < 40 && p.state == playerNormal; ++i) stepBlocks();
    EXPECT_EQ(p.state, playerDestroyed);
    EXPECT_EQ(p.frame, 1);
    EXPECT_EQ(activePuffs(), 0);
}

TEST_F(Blocks, BlockLeavingTheViewGoesInactiveForGood) {
    // A 20 x 20 room (640 pixels tall) with an open shaft and no floor.
    Grid grid(20, std::vector<int>(20, 0));
    grid[0][1] = 30;
    buildRoom(grid);
    int previousY = block(0).y;
    int inactiveAt = 0;
    for (int frame = 1; frame <= 80; ++frame) {
        stepBlocks();
        if (!block(0).active && !inactiveAt) {
            inactiveAt = frame;
            EXPECT_GE(block(0).y, 480);
            EXPECT_LT(previousY, 480);
        }
        previousY = block(0).y;
    }
    ASSERT_NE(inactiveAt, 0);
    const int y = block(0).y;
    stepBlocks();
    EXPECT_EQ(block(0).y, y);
    // With the camera lower down, a block above the view goes at once, and one in view stays in
    // it longer.
    buildRoom(grid);
    camera = std::make_unique<Camera>();
    camera->y = 100;
    stepBlocks();
    EXPECT_EQ(block(0).active, 0);
    EXPECT_EQ(block(0).y, 1);
    grid[0][1] = 0;
    grid[4][1] = 30;
    buildRoom(grid);
    for (int frame = 1; frame <= 80 && block(0).active; ++frame) {
        EXPECT_LT(block(0).y, 580);
        stepBlocks();
    }
    EXPECT_GE(block(0).y, 580);
    EXPECT_EQ(block(0).active, 0);
}

TEST_F(Blocks, AnimationTickWrapsAfterFramesTimesFive) {
    roomWith(4, 4, 120);  // three frames
    for (int i = 0; i < 14; ++i) stepBlocks();
    EXPECT_EQ(block(0).tick, 14);
    stepBlocks();
    EXPECT_EQ(block(0).tick, 0);
}

TEST_F(Blocks, HigherBlocksAreSteppedFirst) {
    // Two falling crates in one column, the lower one first in index order. The upper one is
    // stepped first: it runs into the lower one before that has moved away and stops on it.
    Grid grid = walledRoom(10);
    grid[3][4] = 30;
    grid[4][4] = 30;
    buildRoom(grid);
    std::swap(block(0).y, block(1).y);  // index 0 is now the lower one
    block(0).vy = block(1).vy = 5;
    stepBlocks();
    EXPECT_EQ(block(1).y, 96);
    EXPECT_EQ(block(0).y, 128 + 6);
}

}  // namespace
