// The reader of the game's data files: whitespace-separated decimal integers and words, read the
// way formatted scanning reads them ("%d", "%s"). Line breaks carry no meaning; a UTF-8
// byte-order mark an editor may have put at the start is not part of the first value. The file is
// read whole first, so nothing is ever read beyond its end.
//
//     DataReader file;
//     if (!file.open("data/save.txt")) return false;        // missing, unreadable, too large
//     int cursor = 0, count = 0;
//     std::string_view name;
//     if (!file.number(cursor) || !file.number(count)) ...  // "%d %d"
//     if (!file.word(name)) ...                             // "%s"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class DataReader {
public:
    enum class Fault { None, Missing, Unreadable, TooLarge };

    // Reads the file whole; false (and fault() says why) when it cannot be opened or read, or is
    // larger than limitBytes. The reader is then empty.
    bool open(const std::string& path, size_t limitBytes = kDefaultLimit);
    // Takes a text already in memory.
    void assign(std::string text);
    Fault fault() const { return fault_; }

    // "%s": the next word; false at the end of the text. With a width ("%255s"), at most that many
    // bytes of it: the rest of a longer word is left for the next read.
    bool word(std::string_view& out, size_t width = std::string_view::npos);
    // "%d": an optional sign and the digits at the start of the next word; whatever follows them
    // in the word is left for the next read. False, with nothing read, at the end, at a word that
    // does not start with a number, or at a number beyond the range of an int.
    bool number(int& out);
    // True when only whitespace is left.
    bool atEnd();

    // A whole word as a number: an optional sign and decimal digits only, within the range of an
    // int.
    static bool wholeNumber(std::string_view word, int& out);

    static constexpr size_t kDefaultLimit = 4 * 1024 * 1024;

private:
    void skipSpace();
    std::string text_;
    size_t position_ = 0;
    Fault fault_ = Fault::None;
};
