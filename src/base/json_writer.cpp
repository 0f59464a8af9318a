// The JSON writer. The trace writes some hundred items per frame, so everything is appended in
// place: integers through std::to_chars, fixed decimals through snprintf into a small buffer.
#include "base/json_writer.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdio>

void JsonWriter::separate() {
    if (afterItem_) out_ += ',';
    afterItem_ = false;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    afterItem_ = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    afterItem_ = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    text(name);
    out_ += ':';
    afterItem_ = false;
    return *this;
}

JsonWriter& JsonWriter::value(long long number) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, end);
    afterItem_ = true;
    return *this;
}

JsonWriter& JsonWriter::fixed(double number, int decimals) {
    // JSON has no infinities or NaN; such a value is written as null rather than as text that
    // no reader accepts.
    if (!std::isfinite(number)) return null();
    separate();
    char digits[64];
    const int length = std::snprintf(digits, sizeof digits, "%.*f", decimals, number);
    if (length > 0) out_.append(digits, std::min<size_t>(static_cast<size_t>(length), sizeof digits - 1));
    afterItem_ = true;
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view string) {
    separate();
    out_ += '"';
    for (char c : string) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out_ += escape;
        } else {
            out_ += c;
        }
    }
    out_ += '"';
    afterItem_ = true;
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    out_ += "null";
    afterItem_ = true;
    return *this;
}
