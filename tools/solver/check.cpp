// The world checker's rules.
#include "check.h"

#include <unistd.h>

#include <filesystem>

#include "countdown.h"
#include "entry.h"
#include "room_solve.h"
#include "stage/world_files.h"
#include "text/glyph_text.h"
#include "text/sjis.h"
#include "witness.h"
#include "world_directory.h"

namespace solver {

namespace fs = std::filesystem;

namespace {

std::string where(int world, int room) {
    std::string text = "world " + std::to_string(world);
    if (room >= 0) text += room == 0 ? " hall" : " room " + std::to_string(room);
    return text + ": ";
}

// The loader itself judges the world's files, with map.txt or a cleared map standing in for it.
bool loaderAccepts(const WorldSource& source, std::string& fault) {
    StagedWorld staged;
    if (!staged.stage(source, fault)) return false;
    char previous[4096];
    if (!::getcwd(previous, sizeof previous)) previous[0] = '\0';
    if (::chdir(staged.root().c_str()) != 0) {
        fault = "cannot enter " + staged.root();
        return false;
    }
    const bool accepted = checkWorldFiles(source.world, fault);
    if (previous[0] && ::chdir(previous) != 0) fault = "cannot return to " + std::string(previous);
    return accepted;
}

int countTiles(const std::vector<int>& grid, int low, int high) {
    int n = 0;
    for (int code : grid) n += (code % 1000 >= low && code % 1000 <= high) ? 1 : 0;
    return n;
}

bool hallHasDoorTo(const RoomFacts& hall, int room) {
    for (int code : hall.grid) {
        const int low = code % 1000;
        if (low >= 230 && low <= 279 && (low - 230) / 10 + 1 == room && code / 1000 == 0) return true;
    }
    return false;
}

void checkNames(const std::vector<RoomFacts>& rooms, int world, CheckResult& out) {
    for (size_t i = 0; i < rooms.size(); ++i) {
        const std::vector<std::string> bad = undrawableCharacters(rooms[i].name);
        if (bad.empty()) continue;
        std::string list;
        for (const std::string& c : bad) list += (list.empty() ? "" : " ") + c;
        out.faults.push_back(where(world, static_cast<int>(i)) + "the name \"" + fromShiftJis(rooms[i].name) +
                             "\" has characters the bitmap font cannot draw: " + list +
                             " (use kana, full-width letters and digits)");
    }
}

void checkCells(const std::vector<RoomFacts>& rooms, int world, CheckResult& out) {
    for (size_t i = 0; i < rooms.size(); ++i) {
        const RoomFacts& r = rooms[i];
        const int room = static_cast<int>(i);
        if (room > 0 && countTiles(r.grid, 230, 279) > 0)
            out.faults.push_back(where(world, room) + "a door outside the hall (doors lead out of the hall only)");
        if (room == 0) {
            for (int code : r.grid)
                if (code % 1000 >= 230 && code % 1000 <= 279 && code / 1000 != 0) {
                    out.faults.push_back(where(world, 0) + "a door that is not upright while the hall stands as drawn");
                    break;
                }
            continue;
        }
        if (countTiles(r.grid, 200, 219) == 0) out.faults.push_back(where(world, room) + "no start cell");
        if (countTiles(r.grid, 220, 229) == 0) out.faults.push_back(where(world, room) + "no goal cell");
        if (room > 5) out.faults.push_back(where(world, room) + "no door can lead here (doors lead to rooms 1 to 5)");
    }
}

// Every cleared map must be one the loader takes, keep the rooms where they are, and the maps in
// turn must open the door of each room before it is to be played.
void checkClearedMaps(const Options& options, int world, const std::vector<RoomFacts>& rooms, CheckResult& out) {
    for (int room = 1; room < static_cast<int>(rooms.size()); ++room) {
        const std::string path = clearMapPath(world, room);
        if (!fs::exists(fs::path(options.root) / path)) continue;
        const WorldSource source{options.root, world, path.substr(path.find_last_of('/') + 1)};
        std::string fault;
        if (!loaderAccepts(source, fault)) {
            out.faults.push_back(where(world, room) + path + " would be refused as a map: " + fault);
            continue;
        }
        if (!openWorld(source, fault)) continue;
        const std::vector<RoomFacts> cleared = worldFacts();
        for (size_t i = 0; i < rooms.size() && i < cleared.size(); ++i) {
            if (cleared[i].x != rooms[i].x || cleared[i].y != rooms[i].y || cleared[i].width != rooms[i].width ||
                cleared[i].height != rooms[i].height)
                out.faults.push_back(where(world, room) + path + " moves or resizes room " + std::to_string(i) +
                                     " (a cleared map keeps every room's place and size)");
        }
    }
    for (int room = 1; room < static_cast<int>(rooms.size()) && room <= 5; ++room) {
        const WorldSource source = roomSource(options.root, world, room);
        std::string fault;
        if (!openWorld(source, fault)) continue;
        const std::string map = source.mapFile.empty() ? "map.txt" : source.mapFile;
        if (!hallHasDoorTo(worldFacts()[0], room))
            out.faults.push_back(where(world, room) + "the hall of " + map +
                                 ", the map a player has when this room is next, has no door to it");
    }
}

void checkWitness(const Options& options, int world, int room, int par, CheckResult& out) {
    char name[64];
    std::snprintf(name, sizeof name, "%03d/room%d.txt", world, room);
    const fs::path path = fs::path(options.witnesses) / name;
    std::string text, fault;
    if (!readWholeFile(path, text)) {
        out.faults.push_back(where(world, room) + "no witness " + path.string());
        return;
    }
    InputScript script;
    if (!parseInputScript(text, script, fault)) {
        out.faults.push_back(where(world, room) + path.string() + ": " + fault);
        return;
    }
    const WorldSource source = roomSource(options.root, world, room);
    const ReplayResult plain = replayScript(source, room, script, fault);
    if (!plain.cleared || plain.turns != par) {
        out.faults.push_back(where(world, room) + "the witness " + path.string() +
                             (plain.cleared ? " clears in " + std::to_string(plain.turns) + " turns, not par " + std::to_string(par)
                                            : " does not clear the room"));
        return;
    }
    // A player's turn comes a little late: every turn pressed 1 and 2 frames later must do the same.
    int turn = 0;
    const size_t faultsBefore = out.faults.size();
    for (size_t line : turnLines(script)) {
        ++turn;
        for (long late : {1L, 2L}) {
            const ReplayResult shifted = replayScript(source, room, delayLine(script, line, late), fault);
            if (shifted.cleared && shifted.turns == par) continue;
            out.faults.push_back(where(world, room) + "the witness fails with turn " + std::to_string(turn) +
                                 " pressed " + std::to_string(late) + " frame" + (late > 1 ? "s" : "") + " later");
        }
    }
    if (out.faults.size() == faultsBefore)
        out.notes.push_back(where(world, room) + "witness clears at par " + std::to_string(par) + ", also with every turn up to 2 frames late");
    else
        out.notes.push_back(where(world, room) + "witness clears at par " + std::to_string(par) + " only as written");
}

}  // namespace

std::vector<std::string> undrawableCharacters(const std::string& name) {
    std::vector<std::string> bad;
    for (size_t i = 0; i < name.size();) {
        const auto b0 = static_cast<uint8_t>(name[i]);
        const bool lead = (b0 >= 0x81 && b0 <= 0x9F) || (b0 >= 0xE0 && b0 <= 0xFC);
        if (!lead || i + 1 >= name.size()) {
            bad.push_back(fromShiftJis(name.substr(i, 1)));
            i += 1;
            continue;
        }
        GlyphSource glyph;
        if (!findGlyph(b0, static_cast<uint8_t>(name[i + 1]), glyph)) bad.push_back(fromShiftJis(name.substr(i, 2)));
        i += 2;
    }
    return bad;
}

std::vector<int> worldsIn(const std::string& root) {
    std::vector<int> worlds;
    std::error_code error;
    for (int w = 0; w <= 999; ++w) {
        char name[16];
        std::snprintf(name, sizeof name, "map/%03d", w);
        if (fs::is_directory(fs::path(root) / name, error)) worlds.push_back(w);
    }
    return worlds;
}

CheckResult checkWorld(const Options& options, int world) {
    CheckResult out;
    std::string fault;
    if (!loaderAccepts(WorldSource{options.root, world, ""}, fault)) {
        out.faults.push_back(where(world, -1) + "the loader refuses the world: " + fault);
        return out;
    }
    if (!openWorld(WorldSource{options.root, world, ""}, fault)) {
        out.faults.push_back(where(world, -1) + fault);
        return out;
    }
    const std::vector<RoomFacts> rooms = worldFacts();
    checkNames(rooms, world, out);
    checkCells(rooms, world, out);
    checkClearedMaps(options, world, rooms, out);

    Options solve = options;
    solve.figures = false;
    for (int room = 1; room < static_cast<int>(rooms.size()); ++room) {
        if (countTiles(rooms[static_cast<size_t>(room)].grid, 200, 219) == 0 ||
            countTiles(rooms[static_cast<size_t>(room)].grid, 220, 229) == 0)
            continue;
        out.proofs.push_back(solveRoom(solve, world, room));
        const RoomResult& r = out.proofs.back();
        if (!r.fault.empty()) {
            out.faults.push_back(where(world, room) + r.fault);
            continue;
        }
        const int stored = rooms[static_cast<size_t>(room)].par;
        if (!r.solved) {
            std::string why = r.gaveUp   ? "the search gave up at " + std::to_string(r.states) + " states"
                              : r.closed ? "no solution: every reachable state was searched"
                                         : "no solution within " + std::to_string(r.maxTurns) + " turns";
            if ((r.orientationsSeen & r.goalUpright) == 0) why += "; the goal is never upright in any settled state";
            out.faults.push_back(where(world, room) + why);
            continue;
        }
        if (r.par != stored)
            out.faults.push_back(where(world, room) + "score.txt gives par " + std::to_string(stored) +
                                 ", the solver proves " + std::to_string(r.par));
        else
            out.notes.push_back(where(world, room) + "par " + std::to_string(r.par) + " proven (" +
                                std::to_string(r.states) + " states in " + std::to_string(r.seconds).substr(0, 4) + " s)");

        std::string why;
        if (openWorld(roomSource(options.root, world, room), why)) {
            RoomEntry entry;
            if (enterRoom(room, options.model, entry, why)) {
                const CountdownResult c = searchCountdown(entry.state, options.model);
                if (!c.goalInTime && c.whole)
                    out.notes.push_back(where(world, room) + "no goal while the start cell counts down (" +
                                        std::to_string(c.states) + " states searched in " +
                                        std::to_string(c.seconds).substr(0, 4) + " s)");
                else if (!c.goalInTime)
                    // Rooms whose turns keep many blocks moving have too many ways to try them all;
                    // the search then says how far it got, and the start cell's 7 cells' walk rule
                    // of thumb covers the rest.
                    out.notes.push_back(where(world, room) + "no goal within " + std::to_string(c.framesSearched) +
                                        " of the countdown's 30 frames off the start cell (search stopped at " +
                                        std::to_string(c.states) + " states, " + std::to_string(c.seconds).substr(0, 4) +
                                        " s)");
                else
                    out.faults.push_back(where(world, room) + "the goal can be reached " + std::to_string(c.framesOffStart) +
                                         " frames after stepping off the start cell, while its countdown runs" +
                                         (c.panelLost ? ": the CLEAR panel closes at once and the first clear is lost"
                                                      : "") +
                                         " (keep goals at least 7 cells' walk from start cells)");
            }
        }
        if (!options.witnesses.empty()) checkWitness(options, world, room, stored, out);
    }
    return out;
}

}  // namespace solver
