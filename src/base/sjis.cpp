#include "base/sjis.h"

#include <iconv.h>

#include <cerrno>
#include <map>
#include <memory>

namespace {

// Converts with iconv, replacing what cannot be converted so that no input can stop the game.
// Bytes to skip over one character that cannot be converted: a whole UTF-8 sequence, or one
// Shift-JIS character (two bytes when a lead byte has its trail).
size_t badLength(bool fromUtf8, const char* p, size_t left) {
    unsigned char b = static_cast<unsigned char>(*p);
    size_t n = 1;
    if (fromUtf8) {
        n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    } else if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
        n = 2;
    }
    return n < left ? n : left;
}

std::string convert(const char* to, const char* from, std::string_view in, std::string_view bad) {
    const bool fromUtf8 = std::string_view(from) == "UTF-8";
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    std::string out;
    out.resize(in.size() * 4 + 16);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            size_t used = static_cast<size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // An invalid or incomplete sequence: skip the character and write the replacement.
        size_t skip = badLength(fromUtf8, inPtr, inLeft);
        inPtr += skip;
        inLeft -= skip;
        if (outLeft < bad.size()) {
            size_t used = static_cast<size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        }
        for (char c : bad) {
            *outPtr++ = c;
            --outLeft;
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<size_t>(outPtr - out.data()));
    iconv_close(cd);
    return out;
}

}  // namespace

std::string toShiftJis(std::string_view utf8) { return convert("CP932", "UTF-8", utf8, "?"); }

std::string fromShiftJis(std::string_view shiftJis) {
    return convert("UTF-8", "CP932", shiftJis, "\xEF\xBF\xBD");
}

const char* sj(const char* utf8Literal) {
    static std::map<const char*, std::unique_ptr<std::string>> cache;
    auto& slot = cache[utf8Literal];
    if (!slot) slot = std::make_unique<std::string>(toShiftJis(utf8Literal));
    return slot->c_str();
}
