// Puzzle figures from the state graph of a room searched to its closure.
#include "figures.h"

#include <algorithm>
#include <deque>
#include <random>
#include <unordered_map>

namespace solver {

namespace {

constexpr int kUnreachable = -1;
constexpr long kSolutionCap = 1000000;
constexpr size_t kSampleSolutions = 8;

bool isTurn(int action) { return action >= kWalkActions; }

// The states reachable from seeds by walking alone whose distance to the goal is want.
std::vector<int> walkingClosure(const RoomSearch& search, const std::vector<int>& dist, std::vector<int> seeds,
                                int want) {
    std::vector<int> out;
    std::vector<char> seen(static_cast<size_t>(search.states()), 0);
    for (int s : seeds) {
        if (dist[static_cast<size_t>(s)] != want || seen[static_cast<size_t>(s)]) continue;
        seen[static_cast<size_t>(s)] = 1;
        out.push_back(s);
    }
    for (size_t q = 0; q < out.size(); ++q) {
        for (int a = 0; a < kWalkActions; ++a) {
            const int32_t e = search.edge(out[q], a);
            if (e < 0 || seen[static_cast<size_t>(e)] || dist[static_cast<size_t>(e)] != want) continue;
            seen[static_cast<size_t>(e)] = 1;
            out.push_back(e);
        }
    }
    return out;
}

struct SolutionCount {
    const RoomSearch& search;
    const std::vector<int>& dist;
    long total = 0;
    bool capped = false;
    std::vector<std::string> samples;
    std::string firstTurns;  // of every solution counted, not only the samples

    void finish(const std::string& turns) {
        if (++total >= kSolutionCap) capped = true;
        if (samples.size() < kSampleSolutions) samples.push_back(turns);
        if (!turns.empty() && firstTurns.find(turns[0]) == std::string::npos) firstTurns += turns[0];
    }

    // States in X are all `remaining` turns from the goal; counts the turn sequences that get there.
    void count(const std::vector<int>& x, int remaining, const std::string& prefix) {
        if (capped) return;
        if (remaining == 0) {
            finish(prefix);
            return;
        }
        for (int action : {kTurnAnticlockwise, kTurnClockwise}) {
            std::vector<int> next;
            bool ends = false;
            for (int s : x) {
                if (!search.standing(s)) continue;
                const int32_t e = search.edge(s, action);
                if (e == kEdgeGoal && remaining == 1) ends = true;
                if (e >= 0 && dist[static_cast<size_t>(e)] == remaining - 1) next.push_back(e);
            }
            const std::string turns = prefix + (action == kTurnAnticlockwise ? "A" : "D");
            if (remaining == 1 && (ends || !next.empty())) {
                finish(turns);
                continue;
            }
            if (next.empty()) continue;
            std::sort(next.begin(), next.end());
            next.erase(std::unique(next.begin(), next.end()), next.end());
            count(walkingClosure(search, dist, next, remaining - 1), remaining - 1, turns);
        }
    }
};

// What a player who walks about and turns at random can reach from a settled state before the
// next turn: the standing states, and whether the goal is among the places.
struct Reach {
    std::vector<int> standing;
    bool goal = false;
};

const Reach& reachFrom(RoomSearch& search, int from, std::unordered_map<int, Reach>& cache) {
    auto found = cache.find(from);
    if (found != cache.end()) return found->second;
    Reach reach;
    std::vector<int> queue{from};
    std::unordered_map<int, char> seen{{from, 1}};
    for (size_t q = 0; q < queue.size(); ++q) {
        const int id = queue[q];
        if (search.standing(id)) reach.standing.push_back(id);
        for (int a = 0; a < walkActionCount(search.model()); ++a) {
            const int32_t e = search.expand(id, a);
            if (e == kEdgeGoal) reach.goal = true;
            if (e >= 0 && seen.emplace(e, 1).second) queue.push_back(e);
        }
    }
    return cache.emplace(from, std::move(reach)).first->second;
}

bool randomRunClears(RoomSearch& search, int maxTurns, uint32_t seed, std::unordered_map<int, Reach>& cache) {
    std::mt19937 random(seed);
    int at = 0;
    for (int turn = 0;; ++turn) {
        const Reach& reach = reachFrom(search, at, cache);
        if (reach.goal) return true;
        if (turn >= maxTurns || reach.standing.empty()) return false;
        const int from = reach.standing[random() % reach.standing.size()];
        const int action = random() % 2 == 0 ? kTurnAnticlockwise : kTurnClockwise;
        const int32_t e = search.expand(from, action);
        if (e == kEdgeGoal) return true;
        if (e < 0) return false;
        at = e;
    }
}


}  // namespace

namespace {

// The search's edges turned round: for each state, the (state, action) pairs that lead to it.
struct ReverseEdges {
    std::vector<int> start, from;
    explicit ReverseEdges(const RoomSearch& search);
};

ReverseEdges::ReverseEdges(const RoomSearch& search) {
    const int n = search.states();
    start.assign(static_cast<size_t>(n) + 1, 0);
    for (int id = 0; id < n; ++id)
        for (int a = 0; a < kActions; ++a)
            if (search.edge(id, a) >= 0) ++start[static_cast<size_t>(search.edge(id, a)) + 1];
    for (int i = 0; i < n; ++i) start[static_cast<size_t>(i) + 1] += start[static_cast<size_t>(i)];
    from.assign(static_cast<size_t>(start[static_cast<size_t>(n)]), 0);
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (int id = 0; id < n; ++id)
        for (int a = 0; a < kActions; ++a) {
            const int32_t e = search.edge(id, a);
            if (e >= 0) from[static_cast<size_t>(fill[static_cast<size_t>(e)]++)] = id * kActions + a;
        }
}

// The states from which some state with an action not yet tried can be reached: beyond what was
// searched, the goal may still be found from them.
std::vector<char> reachesUnsearched(const RoomSearch& search, const ReverseEdges& reverse) {
    const int n = search.states();
    std::vector<char> open(static_cast<size_t>(n), 0);
    std::vector<int> queue;
    for (int id = 0; id < n; ++id)
        for (int a = 0; a < kActions; ++a)
            if (search.edge(id, a) == kEdgeUnknown && !open[static_cast<size_t>(id)]) {
                open[static_cast<size_t>(id)] = 1;
                queue.push_back(id);
            }
    for (size_t q = 0; q < queue.size(); ++q) {
        const int u = queue[q];
        for (int k = reverse.start[static_cast<size_t>(u)]; k < reverse.start[static_cast<size_t>(u) + 1]; ++k) {
            const int v = reverse.from[static_cast<size_t>(k)] / kActions;
            if (open[static_cast<size_t>(v)]) continue;
            open[static_cast<size_t>(v)] = 1;
            queue.push_back(v);
        }
    }
    return open;
}

}  // namespace

std::vector<int> turnsToGoal(const RoomSearch& search) {
    const int n = search.states();
    const ReverseEdges reverse(search);
    const std::vector<int>& start = reverse.start;
    const std::vector<int>& from = reverse.from;
    // A walk costs no turn, a turn one.
    std::vector<int> dist(static_cast<size_t>(n), kUnreachable);
    std::deque<int> queue;
    for (int cost : {0, 1})
        for (int id = 0; id < n; ++id)
            for (int a = 0; a < kActions; ++a)
                if (search.edge(id, a) == kEdgeGoal && (isTurn(a) ? 1 : 0) == cost &&
                    dist[static_cast<size_t>(id)] == kUnreachable) {
                    dist[static_cast<size_t>(id)] = cost;
                    queue.push_back(id);
                }
    while (!queue.empty()) {
        const int u = queue.front();
        queue.pop_front();
        for (int k = start[static_cast<size_t>(u)]; k < start[static_cast<size_t>(u) + 1]; ++k) {
            const int v = from[static_cast<size_t>(k)] / kActions;
            const int cost = isTurn(from[static_cast<size_t>(k)] % kActions) ? 1 : 0;
            const int d = dist[static_cast<size_t>(u)] + cost;
            int& dv = dist[static_cast<size_t>(v)];
            if (dv != kUnreachable && dv <= d) continue;
            dv = d;
            if (cost == 0)
                queue.push_front(v);
            else
                queue.push_back(v);
        }
    }
    return dist;
}

const char* blockName(int type) {
    switch (type) {
    case 40: return "heavy weight";
    case 50: return "lift";
    case 60: return "ghost block";
    case 80: return "falling hazard";
    case 90: return "still hazard";
    case 100: return "spikes";
    case 110: return "spring";
    case 120: return "arrow";
    case 130: return "liquid";
    case 140: return "sticky block";
    case 150: return "still block";
    default: return "crate";
    }
}

std::vector<std::string> mechanicsOf(const std::vector<int>& grid) {
    std::vector<std::string> names{"turning"};
    for (int code : grid) {
        const int low = code % 1000;
        std::string name;
        if (low >= 30 && low < 200) name = blockName(low / 10 * 10);
        if (low >= 220 && low < 230 && code / 1000 % 4 != 0) name = "goal upright only when turned";
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

void computeFigures(const Options& options, const WorldSource& source, RoomSearch& search, RoomResult& r) {
    RoomFigures& f = r.figures;
    f.computed = true;
    f.states = search.states();
    f.settled = search.settledStates();
    f.closed = search.closed();

    const std::vector<int> dist = turnsToGoal(search);
    // A state from which the search could not look further is not called a dead end.
    const std::vector<char> open = reachesUnsearched(search, ReverseEdges(search));
    for (int id = 0; id < search.states(); ++id) {
        if (!search.settled(id) || dist[static_cast<size_t>(id)] != kUnreachable || open[static_cast<size_t>(id)]) continue;
        ++f.deadEnds;
        const size_t turns = static_cast<size_t>(search.depth(id));
        if (turns <= 2) ++f.deadEndsWithinTwo;
        if (f.deadEndsByTurns.size() <= turns) f.deadEndsByTurns.resize(turns + 1, 0);
        ++f.deadEndsByTurns[turns];
    }
    f.deadEndShare = f.settled > 0 ? static_cast<double>(f.deadEnds) / f.settled : 0;

    if (r.solved && dist[0] == r.par) {
        SolutionCount counter{search, dist, 0, false, {}, {}};
        counter.count(walkingClosure(search, dist, {0}, r.par), r.par, "");
        f.shortestSolutions = counter.total;
        f.capped = counter.capped;
        f.solutions = counter.samples;
        f.firstTurns = counter.firstTurns;
        std::sort(f.firstTurns.begin(), f.firstTurns.end());
    }

    if (r.solved) {
        std::unordered_map<int, Reach> cache;
        f.randomRuns = options.randomRuns;
        for (int run = 0; run < options.randomRuns; ++run)
            if (randomRunClears(search, 3 * r.par, static_cast<uint32_t>(run + 1), cache)) ++f.randomClears;
        f.randomClearRate = f.randomRuns > 0 ? static_cast<double>(f.randomClears) / f.randomRuns : 0;
    }

    // Each block taken out in turn: the room searched again as the player would find it.
    const std::vector<int> grid = [&] {
        std::string ignored;
        openWorld(source, ignored);
        return worldFacts()[static_cast<size_t>(r.room)].grid;
    }();
    f.mechanics = mechanicsOf(grid);
    const std::vector<RoomFacts> facts = worldFacts();
    const int width = facts[static_cast<size_t>(r.room)].width;
    int index = 0;
    for (size_t c = 0; c < grid.size(); ++c) {
        const int low = grid[c] % 1000;
        if (low < 30 || low >= 200) continue;
        BlockRemoval b;
        b.index = index;
        b.column = static_cast<int>(c) % width;
        b.row = static_cast<int>(c) / width;
        b.type = low / 10 * 10;
        RoomEntry without;
        std::string why;
        if (openWorld(source, why)) {
            removeBlock(r.room, index);
            if (enterRoom(r.room, options.model, without, why)) {
                RoomSearch s(options.model, without.state);
                if (s.run(true, why)) {
                    b.solved = s.solved();
                    b.par = s.par();
                }
            }
        }
        b.decoration = r.solved && b.solved && b.par == r.par;
        f.blocks.push_back(b);
        ++index;
    }
}

}  // namespace solver
