// Solving one room.
#include "room_solve.h"

#include <filesystem>

#include "figures.h"
#include "text/sjis.h"
#include "witness.h"
#include "world_directory.h"

namespace solver {

std::string mapBeforeRoom(const std::string& root, int world, int room) {
    for (int earlier = room - 1; earlier >= 1; --earlier) {
        const std::string path = clearMapPath(world, earlier);
        if (std::filesystem::exists(std::filesystem::path(root) / path))
            return path.substr(path.find_last_of('/') + 1);
    }
    return "";
}

WorldSource roomSource(const std::string& root, int world, int room) {
    return WorldSource{root, world, mapBeforeRoom(root, world, room)};
}

namespace {

int uprightOrientations(const std::vector<int>& grid) {
    int bits = 0;
    for (int code : grid) {
        const int low = code % 1000, param = code / 1000;
        if (low >= 220 && low <= 229) bits |= 1 << ((4 - param % 4) % 4);
    }
    return bits;
}

}  // namespace

RoomResult solveRoom(const Options& options, int world, int room) {
    RoomResult r;
    r.world = world;
    r.room = room;
    r.maxTurns = options.model.maxTurns;
    const WorldSource source = roomSource(options.root, world, room);
    r.mapFile = source.mapFile.empty() ? "map.txt" : source.mapFile;
    if (!openWorld(source, r.fault)) return r;
    const std::vector<RoomFacts> facts = worldFacts();
    if (room >= static_cast<int>(facts.size())) {
        r.fault = "the world has no room " + std::to_string(room);
        return r;
    }
    r.name = fromShiftJis(facts[static_cast<size_t>(room)].name);
    r.storedPar = facts[static_cast<size_t>(room)].par;
    r.goalUpright = uprightOrientations(facts[static_cast<size_t>(room)].grid);

    RoomEntry entry;
    if (!enterRoom(room, options.model, entry, r.fault)) return r;
    r.entered = true;
    r.walk = entry.walk;

    // With figures wanted the search goes on to every reachable state; the layers up to the goal
    // are the same either way.
    RoomSearch search(options.model, entry.state);
    if (!search.run(!options.figures, r.fault)) return r;
    r.solved = search.solved();
    r.par = search.par();
    r.gaveUp = search.gaveUp();
    r.closed = search.closed();
    r.states = search.states();
    r.settled = search.settledStates();
    r.frames = search.frames();
    r.seconds = search.seconds();
    r.orientationsSeen = search.orientationsSeen();
    if (r.solved) r.path = roomPath(search);
    if (options.figures) computeFigures(options, source, search, r);
    return r;
}

std::string roomWitness(const RoomResult& r, const InputModel& model) {
    char title[160];
    std::snprintf(title, sizeof title, "World %d, room %d (%s), par %d: written by yomogi-solve.", r.world, r.room,
                  r.name.c_str(), r.par);
    const std::vector<std::string> header = {
        title,
        "From the world's first frame, with map/" + std::string(r.mapFile == "map.txt" ? "NNN/map.txt as shipped" : "NNN/" + r.mapFile + " as map.txt") +
            " (as a player finds it after the earlier rooms).",
        describeModel(model) + ".",
    };
    return witnessText(r.walk, r.path, header);
}

}  // namespace solver
