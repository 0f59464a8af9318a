// yomogi-solve: the fewest turns of every room, proven with the game's own rules; its witness
// and puzzle figures. Called as yomogi-check (or with --check) it checks whole worlds instead.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "check.h"
#include "options.h"
#include "play.h"
#include "report.h"
#include "room_solve.h"

using namespace solver;

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& text) {
    std::error_code ignored;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream file(path, std::ios::binary);
    file << text;
    return static_cast<bool>(file.flush());
}

int runCheck(const Options& options) {
    const std::vector<int> worlds = options.worlds.empty() ? worldsIn(options.root) : options.worlds;
    if (worlds.empty()) {
        std::fprintf(stderr, "yomogi-check: no worlds in %s/map\n", options.root.c_str());
        return 2;
    }
    int faults = 0;
    std::vector<RoomResult> proofs;
    for (int world : worlds) {
        CheckResult result = checkWorld(options, world);
        for (RoomResult& r : result.proofs) proofs.push_back(std::move(r));
        for (const std::string& note : result.notes)
            if (!options.quiet) std::printf("ok    %s\n", note.c_str());
        for (const std::string& fault : result.faults) std::printf("FAULT %s\n", fault.c_str());
        faults += static_cast<int>(result.faults.size());
    }
    // The proofs of par, as yomogi-solve writes them.
    if (!options.json.empty() && !writeFile(options.json, roomsJson(proofs, options.model))) {
        std::fprintf(stderr, "yomogi-check: cannot write %s\n", options.json.c_str());
        return 2;
    }
    std::printf("%d world%s checked, %d fault%s\n%s\n", static_cast<int>(worlds.size()), worlds.size() == 1 ? "" : "s",
                faults, faults == 1 ? "" : "s", describeModel(options.model).c_str());
    return faults == 0 ? 0 : 1;
}

int runSolve(const Options& options) {
    const std::vector<int> worlds = options.worlds.empty() ? worldsIn(options.root) : options.worlds;
    std::vector<RoomResult> results;
    bool allSolved = true;
    for (int world : worlds) {
        std::string fault;
        if (!openWorld(WorldSource{options.root, world, ""}, fault)) {
            std::fprintf(stderr, "yomogi-solve: world %d: %s\n", world, fault.c_str());
            return 2;
        }
        const int rooms = roomCount();
        for (int room = 1; room < rooms; ++room) {
            if (options.room >= 0 && room != options.room) continue;
            RoomResult r = solveRoom(options, world, room);
            std::fputs(roomSummary(r, options.model).c_str(), stdout);
            std::fflush(stdout);
            allSolved = allSolved && r.solved;
            if (!options.witness.empty() && r.solved) {
                // One room: the file named; every room: <dir>/<NNN>/room<R>.txt.
                std::filesystem::path path = options.witness;
                if (options.room < 0) {
                    char name[32];
                    std::snprintf(name, sizeof name, "%03d/room%d.txt", world, room);
                    path = std::filesystem::path(options.witness) / name;
                }
                if (!writeFile(path, roomWitness(r, options.model))) {
                    std::fprintf(stderr, "yomogi-solve: cannot write %s\n", path.c_str());
                    return 2;
                }
            }
            results.push_back(std::move(r));
        }
    }
    if (!options.json.empty() && !writeFile(options.json, roomsJson(results, options.model))) {
        std::fprintf(stderr, "yomogi-solve: cannot write %s\n", options.json.c_str());
        return 2;
    }
    if (!options.table.empty() && !writeFile(options.table, roomsTable(results, options.model))) {
        std::fprintf(stderr, "yomogi-solve: cannot write %s\n", options.table.c_str());
        return 2;
    }
    closeWorld();
    return allSolved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "yomogi-solve";
    if (!parseOptions(argc, argv, options, error)) {
        if (error == "help") {
            std::fputs(usage(program).c_str(), stdout);
            return 0;
        }
        std::fprintf(stderr, "%s: %s\n%s", program.c_str(), error.c_str(), usage(program).c_str());
        return 2;
    }
    return options.check ? runCheck(options) : runSolve(options);
}
