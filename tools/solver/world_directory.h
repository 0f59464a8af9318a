// A world's directory staged in a temporary game directory, so that the game's own loader reads
// it from there: map.txt can be replaced by one of the world's cleared maps, as a player who has
// cleared the earlier rooms finds it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "play.h"

namespace solver {

// "map/NNN/" of a world.
std::string worldFolder(int world);
// "map/NNN/clearRRR.txt" of a world and room.
std::string clearMapPath(int world, int room);

class StagedWorld {
public:
    StagedWorld() = default;
    StagedWorld(const StagedWorld&) = delete;
    StagedWorld& operator=(const StagedWorld&) = delete;
    ~StagedWorld();

    // Copies the world's files from source.root (with source.mapFile, when given, as map.txt)
    // and links the pictures of the game directory.
    bool stage(const WorldSource& source, std::string& fault);
    const std::string& root() const { return root_; }

private:
    std::string root_;
};

// The whole text of a file, or false.
bool readWholeFile(const std::filesystem::path& path, std::string& out);

}  // namespace solver
