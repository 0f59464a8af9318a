// One room from start to finish: the world opened with the map the player finds, the walk from
// the hall into the room, the search, the witness and (when asked) the puzzle figures.
#pragma once

#include <string>
#include <vector>

#include "entry.h"
#include "options.h"
#include "search.h"

namespace solver {

struct BlockRemoval {
    int index = 0;        // in the room's grid order
    int column = 0, row = 0;
    int type = 0;
    bool solved = false;
    int par = -1;
    bool decoration = false;  // the par is the same without it
};

struct RoomFigures {
    bool computed = false;
    int states = 0;              // of the closure search
    int settled = 0;
    bool closed = false;         // every reachable state was seen
    long shortestSolutions = 0;  // distinct turn sequences of par turns that clear
    bool capped = false;         // counting stopped at the limit
    std::vector<std::string> solutions;  // a few of them, "ADDA"
    std::string firstTurns;      // "A", "D" or "AD"
    int deadEnds = 0;            // settled states from which the goal cannot be reached
    double deadEndShare = 0;
    int deadEndsWithinTwo = 0;   // of those, reached within two turns of the entry
    std::vector<int> deadEndsByTurns;  // of those, by the fewest turns that reach them
    std::vector<BlockRemoval> blocks;
    int randomRuns = 0;
    int randomClears = 0;
    double randomClearRate = 0;
    std::vector<std::string> mechanics;
};

struct RoomResult {
    int world = 0, room = 0;
    std::string name;     // UTF-8
    std::string mapFile;  // "map.txt" or the cleared map standing in for it
    int storedPar = 0;
    bool entered = false;
    bool solved = false;
    int par = -1;
    bool gaveUp = false;
    bool closed = false;  // every reachable state was searched
    int maxTurns = 0;
    int states = 0;
    int settled = 0;
    uint64_t frames = 0;
    double seconds = 0;
    int orientationsSeen = 0;  // bit k: a settled state with orientation k
    int goalUpright = 0;       // bits of the orientations in which a goal of the room is upright
    std::string fault;
    Witness walk, path;
    RoomFigures figures;
};

// The map a player finds when first entering room: map.txt, or the cleared map of the latest
// earlier room that has one.
std::string mapBeforeRoom(const std::string& root, int world, int room);
// The source of a room as the player finds it.
WorldSource roomSource(const std::string& root, int world, int room);

RoomResult solveRoom(const Options& options, int world, int room);
// The witness file of a solved room.
std::string roomWitness(const RoomResult& result, const InputModel& model);

}  // namespace solver
