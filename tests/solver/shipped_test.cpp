// The shipped worlds, one test case per world so that CI's parallel jobs share them out: the
// checker passes the world with the witnesses of tests/game/solutions, and its search of every
// room (the same search yomogi-solve makes, written as JSON) finds the stored par and nothing
// shorter.
#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>

#include "solver/solver_support.h"

namespace {

std::vector<int> shippedWorlds() {
    std::vector<int> worlds;
    for (int w = 0; w <= 999; ++w) {
        char name[16];
        std::snprintf(name, sizeof name, "/map/%03d", w);
        if (std::filesystem::is_directory(std::string(YOMOGI_GAME_DIR) + name)) worlds.push_back(w);
    }
    return worlds;
}

class ShippedWorld : public ::testing::TestWithParam<int> {};

TEST_P(ShippedWorld, PassesTheCheckerAndEveryRoomHasTheParTheSolverProves) {
    const int world = GetParam();
    testgame::GameDirectory dir;
    const solvertest::Run run = solvertest::runTool(
        dir, "yomogi-check",
        "--world " + std::to_string(world) + " --quiet --json proofs.json --witnesses '" +
            std::string(YOMOGI_SOURCE_DIR) + "/tests/game/solutions'");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("1 world checked, 0 faults"), std::string::npos) << run.out;

    const std::string json = testgame::readText(dir.file("proofs.json"));
    ASSERT_NE(json.find("\"rooms\":["), std::string::npos) << run.out;
    int rooms = 0;
    for (size_t at = json.find("{\"world\":"); at != std::string::npos; at = json.find("{\"world\":", at + 1)) {
        ++rooms;
        EXPECT_EQ(solvertest::jsonInt(json, "world", at), world);
        EXPECT_EQ(solvertest::jsonInt(json, "solved", at), 1) << json.substr(at, 200);
        // The layers of fewer turns were searched whole: no shorter solution within the model.
        EXPECT_EQ(solvertest::jsonInt(json, "par", at), solvertest::jsonInt(json, "storedPar", at))
            << json.substr(at, 200);
    }
    // Every puzzle room of the world was proved: stage.txt counts them with the hall.
    char stage[32];
    std::snprintf(stage, sizeof stage, "/content/map/%03d/stage.txt", world);
    EXPECT_EQ(rooms + 1, std::atoi(testgame::readText(std::string(YOMOGI_SOURCE_DIR) + stage).c_str()));
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedWorld, ::testing::ValuesIn(shippedWorlds()),
                         [](const ::testing::TestParamInfo<int>& info) { return "World" + std::to_string(info.param); });

}  // namespace
