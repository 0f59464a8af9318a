// A small JSON writer that appends straight to a string, for the headless runner's trace: one
// object per frame, written without building a tree, keys in the order they are written.
//
//     JsonWriter json(line);
//     json.beginObject();
//     json.field("frame", 12);
//     json.key("fade").beginObject().field("state", 2).field("level", 0).endObject();
//     json.key("buttons").beginArray();
//     for (int state : states) json.value(state);
//     json.endArray();
//     json.key("game").null();
//     json.endObject();
//
// gives {"frame":12,"fade":{"state":2,"level":0},"buttons":[0,3],"game":null}. Commas are put in
// by the writer; a value after key() belongs to that key, a value without one is an array item.
#pragma once

#include <string>
#include <string_view>

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value, object, array or null.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(long number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(unsigned number) { return value(static_cast<long long>(number)); }
    // A number with exactly `decimals` digits after the point ("%.3f" for 3).
    JsonWriter& fixed(double number, int decimals = 3);
    // A string; quotes, backslashes and control characters are escaped, other bytes kept as
    // they are.
    JsonWriter& text(std::string_view string);
    JsonWriter& null();

    // key(name) followed by the value.
    template <typename Number>
    JsonWriter& field(std::string_view name, Number number) {
        return key(name).value(number);
    }
    JsonWriter& textField(std::string_view name, std::string_view string) {
        return key(name).text(string);
    }
    JsonWriter& fixedField(std::string_view name, double number, int decimals = 3) {
        return key(name).fixed(number, decimals);
    }

private:
    void separate();
    std::string& out_;
    bool afterItem_ = false;  // a comma goes before the next item
};
