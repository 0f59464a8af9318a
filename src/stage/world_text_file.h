// One text file of a world, read through the data-file reader by the loader's parts. Every read
// names what it wanted, so that a fault can be reported as "file: what is wrong".
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "base/data_reader.h"

class WorldTextFile {
public:
    explicit WorldTextFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    bool open(std::string& fault) {
        if (reader_.open(path_)) return true;
        switch (reader_.fault()) {
        case DataReader::Fault::Missing: fault = path_ + " ファイルを開けません"; break;
        case DataReader::Fault::TooLarge: fault = path_ + " ファイルが大きすぎます"; break;
        default: fault = path_ + " ファイルを読めません"; break;
        }
        missing_ = reader_.fault() == DataReader::Fault::Missing;
        return false;
    }
    // The last open failed because there was no file at all.
    bool missing() const { return missing_; }

    bool readWord(std::string_view& word, const std::string& what, std::string& fault) {
        if (!reader_.word(word)) {
            fault = path_ + " " + what + "がありません(ファイルが途中で終わっています)";
            return false;
        }
        return true;
    }

    // A world's numbers are whole words: "12abc" is refused, not read as 12.
    bool readInt(int& value, const std::string& what, std::string& fault) {
        std::string_view word;
        if (!readWord(word, what, fault)) return false;
        if (!DataReader::wholeNumber(word, value)) {
            fault = path_ + " " + what + "が数値ではありません(" + std::string(word.substr(0, 32)) + ")";
            return false;
        }
        return true;
    }

    // Values after the last room are never read by the game; the world checker calls them a
    // disagreement between the files.
    bool expectEnd(const std::string& countSource, std::string& fault) {
        if (!reader_.atEnd()) {
            fault = path_ + " 部屋の数が" + countSource + "と合いません(余分な値があります)";
            return false;
        }
        return true;
    }

private:
    std::string path_;
    DataReader reader_;
    bool missing_ = false;
};

inline std::string roomLabel(int room) { return "部屋" + std::to_string(room); }
