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
    char line[256];
    std::vector<std::string> header;
    std::snprintf(line, sizeof line, "World %d, room %d (%s), par %d: written by yomogi-solve.", r.world, r.room,
                  r.name.c_str(), r.par);
    header.push_back(line);
    if (r.mapFile == "map.txt")
        std::snprintf(line, sizeof line, "From the world's first frame, with map/%03d/map.txt as shipped.", r.world);
    else
        std::snprintf(line, sizeof line,
                      "From the world's first frame, with map/%03d/%s as map.txt (the earlier rooms cleared).",
                      r.world, r.mapFile.c_str());
    header.push_back(line);
    // The model in lines of a readable length.
    std::string text = describeModel(model) + ".", current;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        if (!current.empty() && current.size() + 1 + word.size() > 96) {
            header.push_back(current);
            current.clear();
        }
        current += (current.empty() ? "" : " ") + word;
        at = end + 1;
    }
    if (!current.empty()) header.push_back(current);
    Witness room = r.path;
    if (!room.empty() && room.front().comment.empty())
        room.front().comment = "in room " + std::to_string(r.room) + ", from its start cell";
    return witnessText(r.walk, room, header);
}

}  // namespace solver
