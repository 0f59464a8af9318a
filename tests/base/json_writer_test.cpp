// The trace's JSON writer: commas at every depth, escaped strings, fixed decimals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/json_writer.h"

TEST(JsonWriter, PutsCommasBetweenItemsAtEveryDepth) {
    std::string out;
    JsonWriter json(out);
    json.beginObject();
    json.field("a", 1);
    json.key("empty").beginObject().endObject();
    json.key("rows").beginArray();
    for (int r = 0; r < 3; ++r) json.beginArray().value(r).value(-r * 10).endArray();
    json.endArray();
    json.key("none").null();
    json.key("nested").beginObject().key("list").beginArray().endArray().field("b", 2L).endObject();
    json.endObject();
    EXPECT_EQ(out, "{\"a\":1,\"empty\":{},\"rows\":[[0,0],[1,-10],[2,-20]],\"none\":null,"
                   "\"nested\":{\"list\":[],\"b\":2}}");
}

TEST(JsonWriter, EscapesWhatAStringCannotHoldAndKeepsOtherBytes) {
    std::string out;
    JsonWriter json(out);
    json.beginArray().text("say \"hi\"\\").text("tab\tline\n").text("\x82\xa0").endArray();
    EXPECT_EQ(out, "[\"say \\\"hi\\\"\\\\\",\"tab\\u0009line\\u000a\",\"\x82\xa0\"]");
}

TEST(JsonWriter, WritesFixedDecimalsAndNullForWhatJsonCannotHold) {
    std::string out;
    JsonWriter json(out);
    json.beginArray();
    json.fixed(308.0f).fixed(-0.5, 1).fixed(2.0 / 3.0, 6);
    json.fixed(std::numeric_limits<double>::infinity()).fixed(std::nan(""));
    json.value(std::numeric_limits<long long>::min());
    json.endArray();
    EXPECT_EQ(out, "[308.000,-0.5,0.666667,null,null,-9223372036854775808]");
}
