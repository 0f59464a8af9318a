// A game directory of one's own for runs of the real executable that break or kill things: the
// built game's pictures and sounds linked in (never written), its data and worlds copied.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace scratch {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// What a run ended with: its exit status, or the signal that ended it.
struct Ending {
    int status = -1;
    int signal = 0;
};

class ScratchGame {
public:
    ScratchGame() {
        char pattern[] = "/tmp/yomogi-scratch-XXXXXX";
        root_ = ::mkdtemp(pattern);
        const fs::path game = YOMOGI_GAME_DIR;
        for (const char* shared : {"bmp", "bgm", "se", "hude", "insert"})
            if (fs::exists(game / shared)) fs::create_directory_symlink(game / shared, root_ / shared);
        for (const char* own : {"data", "map"}) fs::copy(game / own, root_ / own, fs::copy_options::recursive);
    }
    ~ScratchGame() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    ScratchGame(const ScratchGame&) = delete;
    ScratchGame& operator=(const ScratchGame&) = delete;

    const fs::path& root() const { return root_; }
    fs::path file(const std::string& name) const { return root_ / name; }

    // yomogi --root <dir> <arguments>, run in the directory with the environment given before it
    // (e.g. "YOMOGI_KILL_AT=3"); standard output and error go to out.txt and err.txt.
    Ending run(const std::string& arguments, const std::string& environment = "") {
        const std::string command = "cd '" + root_.string() + "' && " + environment + " exec '" YOMOGI_EXE
                                    "' --root '" + root_.string() + "' " + arguments + " > out.txt 2> err.txt";
        const int status = std::system(command.c_str());
        Ending ending;
        if (WIFEXITED(status)) {
            ending.status = WEXITSTATUS(status);
            // The shell reports a command ended by a signal as 128 + the signal.
            if (ending.status > 128) ending.signal = ending.status - 128;
        } else if (WIFSIGNALED(status)) {
            ending.signal = WTERMSIG(status);
        }
        return ending;
    }
    std::string standardError() const { return readFile(root_ / "err.txt"); }

private:
    fs::path root_;
};

}  // namespace scratch
