// The solver's speed: frame steps per second while it searches a 10 x 10 room with 10 crates
// (the first two layers of turns), and the time to prove each room of world 0.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "entry.h"
#include "room_solve.h"
#include "search.h"

namespace {

namespace fs = std::filesystem;

// A hall with its door, and a 10 x 10 room with ten crates scattered over shelves.
const char* const kCrateWorld[] = {
    "000 000 010 010",
    "10 10 10 10 10 10 10 10 10 10", "10 0 0 0 0 0 0 0 0 10", "10 0 0 0 0 0 0 0 0 10",
    "10 0 0 0 0 0 0 0 0 10",         "10 0 0 0 0 0 0 0 0 10", "10 0 0 0 0 0 0 0 0 10",
    "10 0 0 0 0 0 0 0 0 10",         "10 0 0 0 0 0 0 0 0 10", "10 200 0 0 0 0 0 0 230 10",
    "10 10 10 10 10 10 10 10 10 10",
    "012 000 010 010",
    "10 10 10 10 10 10 10 10 10 10", "10 0 0 0 0 0 0 0 1220 10", "10 0 30 0 0 30 0 0 0 10",
    "10 0 0 0 10 0 0 30 0 10",       "10 0 30 0 10 0 0 0 0 10", "10 0 0 30 10 30 0 0 0 10",
    "10 0 0 0 10 10 0 0 30 10",      "10 0 30 0 0 0 0 30 0 10", "10 200 0 0 30 0 0 0 0 10",
    "10 10 10 10 10 10 10 10 10 10",
};

// A hall and a compact 8 x 8 room with four crates whose fewest turns are 8: the crates must be
// walked round the room one by one before the passage to the goal is free.
const char* const kDeepWorld[] = {
    "000 000 010 010",
    "10 10 10 10 10 10 10 10 10 10", "10 0 0 0 0 0 0 0 0 10", "10 0 0 0 0 0 0 0 0 10",
    "10 0 0 0 0 0 0 0 0 10",         "10 0 0 0 0 0 0 0 0 10", "10 0 0 0 0 0 0 0 0 10",
    "10 0 0 0 0 0 0 0 0 10",         "10 0 0 0 0 0 0 0 0 10", "10 200 0 0 0 0 0 0 230 10",
    "10 10 10 10 10 10 10 10 10 10",
    "012 000 008 008",
    "10 10 10 10 10 10 10 10", "10 10 30 30 0 0 200 10", "10 0 0 30 10 0 10 10",
    "10 0 10 0 30 10 30 10",   "10 0 10 10 0 0 0 10",   "10 10 0 10 0 0 220 10",
    "10 10 10 10 0 0 10 10",   "10 10 10 10 10 10 10 10",
};

// The world's directory, removed when the benchmark ends.
struct TemporaryRoot {
    std::string path;
    ~TemporaryRoot() {
        std::error_code ignored;
        if (!path.empty()) fs::remove_all(path, ignored);
    }
};

template <size_t N>
std::string worldRoot(TemporaryRoot& temporary, const char* const (&lines)[N]) {
    std::string& root = temporary.path;
    if (!root.empty()) return root;
    char pattern[] = "/tmp/yomogi-bench-solver-XXXXXX";
    root = ::mkdtemp(pattern);
    const fs::path dir = fs::path(root) / "map/000";
    fs::create_directories(dir);
    std::ofstream(dir / "stage.txt") << "2\n0 0\n0 0\n";
    std::ofstream(dir / "score.txt") << "000 999 000\n001 999 000\n";
    std::ofstream(dir / "name.txt") << "HALL\nROOM\n";
    std::ofstream(dir / "screen.txt") << "0\n";
    std::ofstream map(dir / "map.txt");
    for (const char* line : lines) map << line << "\n";
    return root;
}

std::string crateWorldRoot() {
    static TemporaryRoot temporary;
    return worldRoot(temporary, kCrateWorld);
}

std::string deepWorldRoot() {
    static TemporaryRoot temporary;
    return worldRoot(temporary, kDeepWorld);
}

bool enter(const solver::WorldSource& source, int room, const solver::InputModel& model, solver::RoomEntry& entry) {
    std::string fault;
    return solver::openWorld(source, fault) && solver::enterRoom(room, model, entry, fault);
}

void BM_SearchTenCrates(benchmark::State& state) {
    solver::InputModel model;
    model.maxTurns = static_cast<int>(state.range(0));
    solver::RoomEntry entry;
    if (!enter({crateWorldRoot(), 0, ""}, 1, model, entry)) return state.SkipWithError("the room cannot be entered");
    uint64_t frames = 0;
    int states = 0;
    for (auto _ : state) {
        solver::RoomSearch search(model, entry.state);
        std::string fault;
        search.run(false, fault);
        frames += search.frames();
        states = search.states();
    }
    state.counters["frame_steps"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.counters["states"] = states;
}
BENCHMARK(BM_SearchTenCrates)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2);

// The timed part of a proof benchmark: the room searched from its entry to the complete layer of
// its first goal, once per iteration.
void proveEachIteration(benchmark::State& state, const solver::InputModel& model, const solver::RoomEntry& entry) {
    uint64_t frames = 0;
    for (auto _ : state) {
        solver::RoomSearch search(model, entry.state);
        std::string fault;
        search.run(true, fault);
        frames += search.frames();
        state.counters["par"] = search.par();
        state.counters["states"] = search.states();
    }
    state.counters["frame_steps"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}

// The proof of a deep room (par 8), to the first goal.
void BM_ProveDeepRoom(benchmark::State& state) {
    solver::InputModel model;
    solver::RoomEntry entry;
    if (!enter({deepWorldRoot(), 0, ""}, 1, model, entry)) return state.SkipWithError("the room cannot be entered");
    proveEachIteration(state, model, entry);
}
BENCHMARK(BM_ProveDeepRoom)->Unit(benchmark::kMillisecond)->Iterations(2);

// The proof of a shipped room: from its entry to the complete layer of its first goal.
void BM_ProveWorld0Room(benchmark::State& state) {
    const int room = static_cast<int>(state.range(0));
    solver::InputModel model;
    solver::RoomEntry entry;
    if (!enter(solver::roomSource(YOMOGI_GAME_DIR, 0, room), room, model, entry))
        return state.SkipWithError("world 0 cannot be entered");
    proveEachIteration(state, model, entry);
}
BENCHMARK(BM_ProveWorld0Room)->DenseRange(1, 5)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
