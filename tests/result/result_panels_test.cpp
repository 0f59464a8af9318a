// The five result panels frame by frame: what they set up, how they move, when they close and
// what they store on closing.
#include "result/panel_rules.h"
#include "result_support.h"
#include "text/sjis.h"

namespace {

// Calls the installed procedure as the game update does, and returns its value.
int frame(ResultProcedure procedure) { return procedure(); }

// Closes the panel; returns the number of closing frames and the closing value.
std::pair<int, int> closeAll(ResultProcedure procedure) {
    results.resultPhase = 3;
    for (int frames = 1; frames < 1000; ++frames)
        if (int value = procedure(); value != 0) return {frames, value};
    return {-1, 0};
}

}  // namespace

using ResultPanels = ResultTest;

TEST_F(ResultPanels, RankRuleAtItsBorders) {
    EXPECT_EQ(rankOf(10, 10), 0);
    EXPECT_EQ(rankOf(3, 10), 0);
    EXPECT_EQ(rankOf(11, 10), 1);
    EXPECT_EQ(rankOf(15, 10), 1);
    EXPECT_EQ(rankOf(16, 10), 2);
    EXPECT_EQ(rankOf(20, 10), 2);
    EXPECT_EQ(rankOf(21, 10), 3);
}

TEST_F(ResultPanels, TextItemSetterAlignsByWidth) {
    TextItem item;
    setTextItem(item, sj("ＣＬＥＡＲ"), 0, 564, 80, 3, 100, 64);
    EXPECT_EQ(item.width, 384);
    EXPECT_EQ(item.x, 128);
    setTextItem(item, sj("ＣＬＥＡＲ"), 1, 0, 80, 3, 100, 64);
    EXPECT_EQ(item.x, 256);
    setTextItem(item, sj("ＣＬＥＡＲ"), 7, 0, 80, 3, 100, 64);
    EXPECT_EQ(item.x, 0);
}

TEST_F(ResultPanels, ClearSetsUpWaitsForShellyRisesAndStoresTheRecord) {
    world.currentRoom = 1;
    Room& room = world.rooms[1];
    room.turnCount = 12;
    room.bestMoves = 999;
    results.resultStep = resultClear;
    EXPECT_EQ(frame(resultClear), 0);
    EXPECT_EQ(results.resultPhase, 2);
    EXPECT_EQ(audio.musicRequest, 3);
    ASSERT_EQ(results.texts.size(), 6u);
    ASSERT_EQ(results.images.size(), 3u);
    const auto& t = results.texts;
    EXPECT_STREQ(t[1].text, sj("ＣＬＥＡＲ"));
    EXPECT_EQ(t[1].x, 128);
    EXPECT_EQ(t[1].y, 564);
    EXPECT_STREQ(t[2].text, sj("ＮＯＷ：０１２"));
    EXPECT_EQ(t[2].x, 192);
    EXPECT_EQ(t[2].y, 644);
    EXPECT_STREQ(t[3].text, sj("ＢＥＳＴ：９９９"));
    EXPECT_EQ(t[3].y, 660);
    EXPECT_EQ(t[4].opacity, 0);
    EXPECT_EQ(t[4].y, 432);
    EXPECT_EQ(t[5].x, 136);
    EXPECT_EQ(t[5].y, 676);
    const auto& images = results.images;
    EXPECT_EQ(images[0].x, 288);
    EXPECT_EQ(images[0].y, 484);
    EXPECT_EQ(images[1].x, 400);
    EXPECT_EQ(images[1].y, 660);
    EXPECT_EQ(images[1].cell, 1);  // 12 moves against par 10
    EXPECT_EQ(images[2].x, 432);
    EXPECT_EQ(images[2].y, 652);
    EXPECT_EQ(results.newRecord, 1);

    // Nothing moves while Shelly is still in the picture.
    for (int i = 0; i < 20; ++i) frame(resultClear);
    EXPECT_EQ(t[1].y, 564);

    results.companionFlownOff = 1;
    frame(resultClear);
    EXPECT_EQ(t[1].y, 556);
    EXPECT_EQ(t[2].y, 636);
    EXPECT_EQ(t[3].y, 684);
    EXPECT_EQ(t[5].y, 740);
    EXPECT_EQ(images[0].y, 476);
    EXPECT_EQ(images[1].y, 724);
    // The title stops at 124 in the 55th frame; from then on the companion bobs and "Ｅｎｔｅｒ"
    // fades in.
    for (int i = 2; i <= 54; ++i) frame(resultClear);
    EXPECT_EQ(t[1].y, 132);
    EXPECT_EQ(t[4].opacity, 0);
    frame(resultClear);
    EXPECT_EQ(t[1].y, 124);
    EXPECT_EQ(images[0].y, 52 - 1);
    EXPECT_EQ(images[0].cell, 1);
    EXPECT_EQ(t[4].opacity, 2);
    for (int i = 0; i < 60; ++i) frame(resultClear);
    EXPECT_EQ(t[4].opacity, 80);
    EXPECT_GE(images[0].speed, -4);
    EXPECT_LE(images[0].speed, 4);

    // Closing: every text loses 4 a frame; the 100 % texts reach 0 after 25 frames and the panel
    // closes in the 26th.
    const auto [frames, value] = closeAll(resultClear);
    EXPECT_EQ(frames, 26);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(audio.musicRequest, 2);
    EXPECT_EQ(results.resultStep, nullptr);
    EXPECT_EQ(results.resultPhase, 0);
    EXPECT_TRUE(results.texts.empty());
    EXPECT_EQ(room.bestMoves, 12);
    EXPECT_EQ(room.bestRank, 1);
}

TEST_F(ResultPanels, ClearWithoutABetterCountKeepsTheRecord) {
    world.currentRoom = 2;
    Room& room = world.rooms[2];
    room.turnCount = 14;
    room.bestMoves = 14;
    room.bestRank = 3;  // whatever was stored stays
    results.resultStep = resultClear;
    frame(resultClear);
    EXPECT_EQ(results.newRecord, 0);
    EXPECT_EQ(closeAll(resultClear).second, 2);
    EXPECT_EQ(room.bestMoves, 14);
    EXPECT_EQ(room.bestRank, 3);
}

TEST_F(ResultPanels, ClearStoresTheRecordOfTheClearedRoomEvenAfterARoomChange) {
    world.currentRoom = 1;
    world.rooms[1].turnCount = 5;
    results.resultStep = resultClear;
    frame(resultClear);
    results.resultPhase = 3;
    frame(resultClear);
    world.currentRoom = 0;  // the camera arrived in the hall first
    world.rooms[0].turnCount = 0;
    EXPECT_EQ(closeAll(resultClear).second, 2);
    EXPECT_EQ(world.rooms[1].bestMoves, 5);
    EXPECT_EQ(world.rooms[1].bestRank, 0);
    EXPECT_EQ(world.rooms[0].bestMoves, 999);
}

TEST_F(ResultPanels, RankShowsTheTargetRoomAndClosesInFiveFrames) {
    world.targetRoom = 2;
    world.rooms[2].bestMoves = 7;
    results.resultStep = resultRank;
    frame(resultRank);
    ASSERT_EQ(results.texts.size(), 5u);
    const auto& t = results.texts;
    EXPECT_STREQ(t[0].text, "ROOM2");
    EXPECT_EQ(t[0].x, 640 - 40 * 3);
    EXPECT_EQ(t[1].x, 640 - 32 * 5 - 56);
    EXPECT_STREQ(t[2].text, sj("ＢＥＳＴ：００７"));
    EXPECT_EQ(t[2].x, 640 - 32 * 9 - 120);
    EXPECT_STREQ(t[3].text, sj("ユラユラ"));
    EXPECT_EQ(t[3].y, 136);
    EXPECT_EQ(t[4].y, 416);
    for (const TextItem& item : t) EXPECT_EQ(item.opacity, 0);
    frame(resultRank);
    EXPECT_EQ(t[0].opacity, 4);
    EXPECT_EQ(t[4].opacity, 2);
    for (int i = 0; i < 50; ++i) frame(resultRank);
    EXPECT_EQ(t[0].opacity, 80);
    EXPECT_EQ(t[4].opacity, 80);
    const auto [frames, value] = closeAll(resultRank);
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(value, 2);
    EXPECT_EQ(results.resultStep, nullptr);
}

TEST_F(ResultPanels, LeavePanelNamesWhereTheStartCellLeads) {
    results.resultStep = resultLeave;
    frame(resultLeave);
    EXPECT_STREQ(results.texts[0].text, sj("ＷＯＲＬＤＳＥＬＥＣＴ"));
    closeAll(resultLeave);
    world.currentRoom = 1;
    results.resultStep = resultLeave;
    frame(resultLeave);
    EXPECT_STREQ(results.texts[0].text, sj("ＳＴＡＧＥＳＥＬＥＣＴ"));
    for (int i = 0; i < 40; ++i) frame(resultLeave);
    EXPECT_EQ(results.texts[0].opacity, 80);
    const auto [frames, value] = closeAll(resultLeave);
    EXPECT_EQ(frames, 9);  // 80 -> 0 in 8 frames, closed in the 9th
    EXPECT_EQ(value, 2);
}

TEST_F(ResultPanels, OverWithButtonHeldConfirmsTheRetryAtOnce) {
    write("data/resultscript_over.txt", std::string(sj("リトライ")) + " 200 200 300 50 32\n" +
                                            sj("ステージセレクト") + " 200 260 400 50 32\n");
    world.currentRoom = 1;
    results.resultStep = resultOver;
    input.buttons[kButtonEnter].state = 3;  // still held from play
    frame(resultOver);
    EXPECT_EQ(audio.musicRequest, 4);
    ASSERT_EQ(results.texts.size(), 2u);
    EXPECT_STREQ(results.texts[1].text, sj("ステージセレクト"));
    EXPECT_EQ(results.texts[1].y, 260);
    EXPECT_EQ(results.texts[0].selected, 1);
    frame(resultOver);
    EXPECT_EQ(results.resultPhase, 3);
    EXPECT_EQ(results.resultChoice, 1);
    EXPECT_EQ(audio.soundRequest, 1);
    input.buttons[kButtonEnter].state = 0;
    const auto [frames, value] = closeAll(resultOver);
    EXPECT_EQ(frames, 2);  // 2 -> 0, then closed
    EXPECT_EQ(value, 1);
    // The room's music keeps playing whichever entry was chosen.
    EXPECT_EQ(audio.musicRequest, 5);
}

TEST_F(ResultPanels, OverMenuPulsesTheSelectedEntryAndChoosesTheHall) {
    write("data/resultscript_over.txt", "A 0 0 100 50 32\nB 0 60 100 50 32\n");
    results.resultStep = resultOver;
    frame(resultOver);
    auto& t = results.texts;
    for (int i = 0; i < 15; ++i) frame(resultOver);
    EXPECT_EQ(t[0].opacity, 30);
    EXPECT_EQ(t[1].opacity, 30);
    input.buttons[kButtonMenuDown].state = 2;
    frame(resultOver);
    input.buttons[kButtonMenuDown].state = 3;
    EXPECT_EQ(t[1].selected, 1);
    EXPECT_EQ(t[0].selected, 0);
    int lowest = 100, highest = 0;
    for (int i = 0; i < 80; ++i) {
        frame(resultOver);
        lowest = std::min(lowest, t[1].opacity);
        highest = std::max(highest, t[1].opacity);
    }
    EXPECT_EQ(highest, 100);
    EXPECT_EQ(lowest, 50);
    EXPECT_EQ(t[0].opacity, 30);
    input.buttons[kButtonEnter].state = 2;
    frame(resultOver);
    EXPECT_EQ(results.resultChoice, 2);
    EXPECT_EQ(closeAll(resultOver).second, 1);
    EXPECT_EQ(audio.musicRequest, 2);  // failed in the hall
}

TEST_F(ResultPanels, NextNeedsAFreshPressAndTheLastRoomCleared) {
    write("data/resultscript_next.txt", "N 0 0 100 50 32\nS 0 60 100 50 32\n");
    results.resultStep = resultNext;
    input.buttons[kButtonEnter].state = 3;
    frame(resultNext);
    EXPECT_EQ(results.texts[1].selected, 1);
    EXPECT_EQ(audio.musicRequest, 0);
    frame(resultNext);
    EXPECT_EQ(results.resultPhase, 2);  // held is not a press
    input.buttons[kButtonEnter].state = 0;

    input.buttons[kButtonMenuUp].state = 2;
    frame(resultNext);
    EXPECT_EQ(results.texts[1].selected, 1);
    EXPECT_EQ(results.goToNextWorld, 0);

    world.rooms.back().bestMoves = 20;
    frame(resultNext);
    EXPECT_EQ(results.texts[0].selected, 1);
    EXPECT_EQ(results.goToNextWorld, 1);
    input.buttons[kButtonMenuUp].state = 0;
    input.buttons[kButtonMenuDown].state = 2;
    frame(resultNext);
    EXPECT_EQ(results.texts[1].selected, 1);
    EXPECT_EQ(results.goToNextWorld, 0);
    input.buttons[kButtonMenuDown].state = 0;

    input.buttons[kButtonEnter].state = 2;
    frame(resultNext);
    EXPECT_EQ(results.resultPhase, 3);
    EXPECT_EQ(audio.soundRequest, 1);
    EXPECT_EQ(closeAll(resultNext).second, 1);
    EXPECT_EQ(audio.musicRequest, 0);
}

TEST_F(ResultPanels, ResultScriptsThatAreMissingOrShortGiveEmptyEntries) {
    std::vector<TextItem> entries;
    readResultScript("data/none.txt", entries);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_STREQ(entries[0].text, "");

    write("data/short.txt", "ONE 1 2 3 4 5\nTWO 1 2");
    readResultScript("data/short.txt", entries);
    EXPECT_STREQ(entries[0].text, "ONE");
    EXPECT_EQ(entries[0].glyphWidth, 5);
    EXPECT_STREQ(entries[1].text, "");
    EXPECT_EQ(entries[1].x, 0);

    // A word longer than 255 bytes is cut there; the rest of it is then no number, so the
    // entry is not used.
    write("data/long.txt", std::string(400, 'W') + " 1 2 3 4 5\n");
    readResultScript("data/long.txt", entries);
    EXPECT_STREQ(entries[0].text, "");
    write("data/long.txt", std::string(255, 'W') + " 1 2 3 4 5\n");
    readResultScript("data/long.txt", entries);
    EXPECT_EQ(std::string(entries[0].text), std::string(255, 'W'));
    EXPECT_EQ(entries[0].glyphWidth, 5);

    // The menu works with an empty script.
    results.resultStep = resultOver;
    frame(resultOver);
    input.buttons[kButtonEnter].state = 2;
    frame(resultOver);
    EXPECT_EQ(closeAll(resultOver).second, 1);
}
