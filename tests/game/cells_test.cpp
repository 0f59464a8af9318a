// The special cells: set-up from the raw grid, the start, goal and door procedures frame by
// frame, the decorations' counters, and which sheet cell each is drawn from.
#include <gtest/gtest.h>

#include "app/app.h"
#include "game/cells.h"
#include "result/result.h"
#include "stage/stage_fixture.h"

namespace {

using namespace stagetest;

class CellTest : public StageTest {
protected:
    void SetUp() override {
        StageTest::SetUp();
        display.mode = 0;
    }
    Cell& at(int row, int column) {
        Room& room = world.rooms[0];
        return room.cells[static_cast<size_t>(row * room.width + column)];
    }
    // The room as the room reset leaves it: cells with their procedures.
    Room& build(const Grid& grid, int rooms = 1) {
        buildRoom(grid);
        world.rooms.resize(static_cast<size_t>(rooms));
        world.roomCount = rooms;
        setupCells(0);
        return world.rooms[0];
    }
    // Stands the player in cell (row, column) of a room whose floor is the row below.
    void standIn(int row, int column, int contact = 5) { putPlayer(column * 32 + 4, row * 32 + 8, playerNormal, contact); }
};

TEST_F(CellTest, SetupTakesTileParamAndProcedureFromTheRawCode) {
    Grid grid = walledRoom(6);
    grid[1][1] = 41;    // a crate on open tile 1
    grid[1][2] = 2041;  // the same, pointing down
    grid[1][3] = 200;   // start cell, not a block
    grid[1][4] = 1220;  // goal turned once
    grid[2][1] = 255;
    grid[2][2] = 295;
    grid[2][3] = 350;
    grid[2][4] = 405;
    grid[3][1] = 285;
    grid[3][2] = 395;
    grid[3][3] = 490;
    grid[3][4] = 3560;
    buildRoom(grid);
    at(2, 3).counter = 7;
    at(2, 3).state = 0;
    setupCells(0);

    EXPECT_EQ(at(1, 1).tile, 1);
    EXPECT_EQ(at(1, 1).param, 0);
    EXPECT_EQ(at(1, 1).procedure, nullptr);
    EXPECT_EQ(at(1, 2).tile, 1);
    EXPECT_EQ(at(1, 2).param, 2);
    EXPECT_EQ(at(1, 3).tile, 200);
    EXPECT_EQ(at(1, 3).procedure, &startCell);
    EXPECT_EQ(at(1, 4).tile, 220);
    EXPECT_EQ(at(1, 4).param, 1);
    EXPECT_EQ(at(1, 4).procedure, &goalCell);
    EXPECT_EQ(at(2, 1).procedure, &doorCell);
    EXPECT_EQ(at(2, 2).procedure, &cycle20Cell);
    EXPECT_EQ(at(2, 3).procedure, &cycle10Cell);
    EXPECT_EQ(at(2, 4).procedure, &blinkCell);
    EXPECT_EQ(at(3, 1).procedure, nullptr);
    EXPECT_EQ(at(3, 2).procedure, nullptr);
    EXPECT_EQ(at(3, 3).procedure, nullptr);
    EXPECT_EQ(at(3, 4).tile, 560);
    EXPECT_EQ(at(3, 4).param, 3);
    EXPECT_EQ(at(2, 3).x, 96);
    EXPECT_EQ(at(2, 3).y, 64);
    EXPECT_EQ(at(2, 3).counter, 0);
    EXPECT_EQ(at(2, 3).state, 1);
    EXPECT_EQ(cellProcedureFor(489), &cycle10Cell);
    EXPECT_EQ(cellProcedureFor(199), nullptr);
}

TEST_F(CellTest, GoalOpensOnlyWhileUprightAndTakesAStandingPlayer) {
    Grid grid = walledRoom(10);
    grid[8][5] = 1220;  // upright after one clockwise turn
    Room& room = build(grid);
    standIn(8, 5);
    for (int i = 0; i < 40; ++i) runCells();
    EXPECT_EQ(at(8, 5).counter, 0);
    EXPECT_EQ(player->state, playerNormal);

    room.orientation = 3;
    for (int frame = 1; frame <= 29; ++frame) {
        audio.soundRequest = 0;
        runCells();
        ASSERT_EQ(at(8, 5).counter, frame);
        EXPECT_EQ(audio.soundRequest, frame == 4 ? 6 : 0) << frame;
        ASSERT_EQ(player->state, playerNormal);
    }
    world.targetRoom = 2;
    runCells();
    EXPECT_EQ(at(8, 5).counter, 30);
    EXPECT_EQ(player->state, playerExit);
    EXPECT_EQ(world.targetRoom, 0);

    // Turned away again, it closes a step per frame.
    room.orientation = 0;
    runCells();
    EXPECT_EQ(at(8, 5).counter, 29);
}

TEST_F(CellTest, GoalIgnoresAPlayerInTheAirOrNotNormal) {
    Grid grid = walledRoom(10);
    grid[8][5] = 220;
    build(grid);
    standIn(8, 5, 4);
    for (int i = 0; i < 40; ++i) runCells();
    EXPECT_EQ(at(8, 5).counter, 30);
    EXPECT_EQ(player->state, playerNormal);
    player->contact = 5;
    player->state = playerAppearing;
    runCells();
    EXPECT_EQ(player->state, playerAppearing);
    player->state = playerNormal;
    runCells();
    EXPECT_EQ(player->state, playerExit);
}

TEST_F(CellTest, DoorOpensUnderAStandingPlayerShowsRankAndLeadsThrough) {
    Grid grid = walledRoom(10);
    grid[8][3] = 250;  // door to room 3
    build(grid, 4);
    standIn(8, 3);
    runCells();
    EXPECT_EQ(at(8, 3).counter, 1);
    EXPECT_EQ(results.resultStep, &resultRank);
    EXPECT_EQ(results.resultPhase, 0);
    EXPECT_EQ(world.targetRoom, 3);
    EXPECT_EQ(activeCell, 83);

    // Enter before the door is fully open does nothing.
    setButton(kButtonEnter, 2);
    runCells();
    EXPECT_EQ(player->state, playerNormal);
    setButton(kButtonEnter, 0);
    for (int i = 0; i < 40; ++i) runCells();
    EXPECT_EQ(at(8, 3).counter, 30);

    setButton(kButtonEnter, 2);
    audio.soundRequest = 0;
    runCells();
    EXPECT_EQ(player->state, playerExit);
    EXPECT_EQ(results.resultPhase, 3);
    EXPECT_EQ(audio.soundRequest, 1);
}

TEST_F(CellTest, WalkingOutOfADoorClosesItAndItsPanel) {
    Grid grid = walledRoom(10);
    grid[8][3] = 230;
    build(grid, 2);
    standIn(8, 3);
    for (int i = 0; i < 10; ++i) runCells();
    EXPECT_EQ(at(8, 3).counter, 10);
    EXPECT_EQ(results.resultPhase, 0);

    player->x += 9;  // a pixel beyond the door's right side
    runCells();
    EXPECT_EQ(at(8, 3).counter, 9);
    EXPECT_EQ(results.resultPhase, 3);
    for (int i = 0; i < 20; ++i) runCells();
    EXPECT_EQ(at(8, 3).counter, 0);
}

TEST_F(CellTest, DoorTurnedOnceWorksWhenTheRoomIsTurnedTheOtherWay) {
    Grid grid = walledRoom(10);
    grid[8][3] = 1230;
    Room& room = build(grid, 2);
    standIn(8, 3);
    runCells();
    EXPECT_EQ(at(8, 3).counter, 0);
    EXPECT_EQ(results.resultStep, nullptr);
    room.orientation = 3;
    runCells();
    EXPECT_EQ(at(8, 3).counter, 1);
    EXPECT_EQ(results.resultStep, &resultRank);
    EXPECT_EQ(world.targetRoom, 1);
}

TEST_F(CellTest, ADoorToARoomTheWorldDoesNotHaveStaysShut) {
    Grid grid = walledRoom(10);
    grid[8][3] = 270;  // door to room 5 in a world of three rooms
    build(grid, 3);
    standIn(8, 3);
    for (int i = 0; i < 40; ++i) runCells();
    EXPECT_EQ(at(8, 3).counter, 0);
    EXPECT_EQ(results.resultStep, nullptr);
    EXPECT_EQ(world.targetRoom, 0);
}

TEST_F(CellTest, StartCellOffersToLeaveAfterThirtyFrames) {
    Grid grid = walledRoom(10);
    grid[8][2] = 1200;  // reacts when the room has been turned once anticlockwise
    Room& room = build(grid);
    standIn(8, 2, 4);  // standing is not needed
    runCells();
    EXPECT_EQ(at(8, 2).counter, 0);
    room.orientation = 1;
    for (int i = 0; i < 29; ++i) runCells();
    EXPECT_EQ(at(8, 2).counter, 29);
    EXPECT_EQ(results.resultStep, nullptr);
    runCells();
    EXPECT_EQ(results.resultStep, &resultLeave);
    EXPECT_EQ(activeCell, 82);

    setButton(kButtonEnter, 2);
    runCells();
    EXPECT_EQ(player->state, playerLeave);
    EXPECT_EQ(results.resultPhase, 3);
}

TEST_F(CellTest, DecorationsCycleAndBlinkAtRandom) {
    Grid grid = walledRoom(6);
    grid[1][1] = 290;
    grid[1][2] = 300;
    grid[1][3] = 400;
    build(grid);
    seedRandom(7);
    int blinkStarts = 0;
    for (int frame = 1; frame <= 4000; ++frame) {
        const int blinkBefore = at(1, 3).counter;
        runCells();
        ASSERT_EQ(at(1, 1).counter, frame % 20);
        ASSERT_EQ(at(1, 2).counter, frame % 10);
        const int blink = at(1, 3).counter;
        if (blinkBefore == 0 && blink == 1) ++blinkStarts;
        if (blinkBefore != 0) ASSERT_EQ(blink, (blinkBefore + 1) % 30);
    }
    // One frame in 200 starts a blink: about 20 in 4000 frames, less the frames a blink runs.
    EXPECT_GT(blinkStarts, 5);
    EXPECT_LT(blinkStarts, 40);
}

// A sheet whose every cell is one colour naming the sheet, column and row.
SurfacePtr labelledSheet(int sheet) {
    SurfacePtr s = std::make_unique<Surface>();
    s->width = 320;
    s->height = 2560;
    s->pixels.resize(320u * 2560u);
    for (int y = 0; y < 2560; ++y)
        for (int x = 0; x < 320; ++x) s->row(y)[x] = static_cast<uint32_t>(sheet << 16 | (y / 32) << 8 | (x / 32) << 4);
    return s;
}

uint32_t label(int sheet, int column, int row) { return static_cast<uint32_t>(sheet << 16 | row << 8 | column << 4); }

TEST_F(CellTest, CellsAreDrawnFromTheSheetOfTheirTurnAndTheirRoom) {
    Grid grid = walledRoom(6);
    grid[1][1] = 2225;  // goal, param 2
    grid[1][2] = 200;   // start cell
    grid[1][3] = 3567;  // decorated wall drawn on its own
    Room& room = build(grid);
    for (int k = 0; k < 4; ++k) world.tileSheets[k] = labelledSheet(k);
    room.orientation = 1;
    at(1, 1).counter = 12;
    auto target = std::make_unique<Surface>();
    target->width = target->height = 192;
    target->pixels.assign(192u * 192u, 0);

    drawCurrentRoomCells(1, target.get());
    // Walls come from the room's own sheet, sprites from (orientation + param) mod 4.
    EXPECT_EQ(target->row(5)[5], label(1, 0, 1));
    EXPECT_EQ(target->row(40)[40], label(3, 12 / 5, 7));
    EXPECT_EQ(target->row(40)[72], label(1, 0, 5)) << "the hall's start cell is drawn as a start cell";
    EXPECT_EQ(target->row(40)[104], label(0, 7, (560 - 200) / 10 + 5));

    // In room 3 its start cell is drawn as the door of room 3.
    world.rooms.resize(4);
    std::swap(world.rooms[0], world.rooms[3]);
    world.currentRoom = 3;
    drawCurrentRoomCells(1, target.get());
    EXPECT_EQ(target->row(40)[72], label(1, 0, (250 - 200) / 10 + 5));
}

}  // namespace
