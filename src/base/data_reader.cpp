// The data-file reader.
#include "base/data_reader.h"

#include <cstdio>
#include <utility>

namespace {

bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool DataReader::open(const std::string& path, size_t limitBytes) {
    text_.clear();
    position_ = 0;
    fault_ = Fault::None;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        fault_ = Fault::Missing;
        return false;
    }
    char buffer[16384];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (text_.size() + got > limitBytes) {
            fault_ = Fault::TooLarge;
            break;
        }
        text_.append(buffer, got);
    }
    if (fault_ == Fault::None && std::ferror(file)) fault_ = Fault::Unreadable;
    std::fclose(file);
    if (fault_ != Fault::None) {
        text_.clear();
        return false;
    }
    if (text_.compare(0, 3, "\xEF\xBB\xBF") == 0) position_ = 3;
    return true;
}

void DataReader::assign(std::string text) {
    text_ = std::move(text);
    position_ = text_.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    fault_ = Fault::None;
}

void DataReader::skipSpace() {
    while (position_ < text_.size() && isSpace(text_[position_])) ++position_;
}

bool DataReader::atEnd() {
    skipSpace();
    return position_ >= text_.size();
}

bool DataReader::word(std::string_view& out, size_t width) {
    skipSpace();
    if (position_ >= text_.size() || width == 0) return false;
    const size_t start = position_;
    while (position_ < text_.size() && !isSpace(text_[position_]) && position_ - start < width) ++position_;
    out = std::string_view(text_).substr(start, position_ - start);
    return true;
}

bool DataReader::number(int& out) {
    skipSpace();
    size_t end = position_;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) ++end;
    while (end < text_.size() && isDigit(text_[end])) ++end;
    if (!wholeNumber(std::string_view(text_).substr(position_, end - position_), out)) return false;
    position_ = end;
    return true;
}

bool DataReader::wholeNumber(std::string_view word, int& out) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    if (i == word.size()) return false;
    long long value = 0;
    for (; i < word.size(); ++i) {
        if (!isDigit(word[i])) return false;
        value = value * 10 + (word[i] - '0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return false;
    out = static_cast<int>(value);
    return true;
}
