// The title's menu: four labels, the description of each, and the part of its picture that
// the brush paints in.
#include "menu/title_menu.h"

#include <cstring>

#include "text/sjis.h"

namespace {

const TitleMenuEntry kEntries[4] = {
    {"ＰＵＺＺＬＥ", 48, 164, 60, 3,
     // The companion's name is held in full-width letters, so that the bitmap font has a glyph
     // for each of them (half-width letters would leave two blank cells).
     "。メインとなるパズルモード。あたまをきっかけにヨモギのセカイはひろがっていく。ヨモギとｖｏｒａのぼうけんをおたのしみください。",
     0, 0, 230, 190},
    {"ＣＲＥＤＩＴ", 48, 194, 40, 6,
     "。このゲームをつくったクリエイタたちのしょうかい。。。かれらなりにがんばったのではなかろうか。。。。",
     45, 45, 230, 190},
    {"ＯＰＴＩＯＮ", 48, 224, 30, 5, "。スクリーン。サウンド。ジョイパッド。アナタのおこのみでどうぞ。。。。", 10, 0, 345, 285},
    {"ＥＮＤ", 72, 254, 40, 3, "。このゲームのおわり。。。。そうエンターキーをおすだけさ。", 0, 0, 230, 190},
};

}  // namespace

const char* TitleMenuEntry::label() const { return sj(labelUtf8); }
int TitleMenuEntry::labelBytes() const { return static_cast<int>(std::strlen(label())); }
const char* TitleMenuEntry::description() const { return sj(descriptionUtf8); }

const TitleMenuEntry& titleMenu(int cursor) { return kEntries[cursor >= 0 && cursor < 4 ? cursor : 3]; }
