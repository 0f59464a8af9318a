// The list of pictures the tool writes, filled family by family. Each family lives in its own
// file and adds its pictures under their paths in the game directory ("bmp/mod.bmp" ...).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace pg {

struct Picture {
    std::string path;  // relative to the game directory
    Image image;
};

using Catalog = std::vector<Picture>;

void addTiles(Catalog& out);        // tiles.cpp: bmp/mod.bmp
void addBlocks(Catalog& out);       // blocks.cpp: bmp/block.bmp
void addPlayer(Catalog& out);       // player.cpp: yomogi_head, yomogi_body, g0, g1
void addCompanions(Catalog& out);   // companions.cpp: shelly1, yurayura, yurayuragost, ase, !!
void addEffects(Catalog& out);      // effects.cpp: effect, big_gear1, flash2
void addBackdrops(Catalog& out);    // backdrops.cpp: castle2-5-2, bg5, bg, bg2, background, castle1-3, hakaba1-2
void addResults(Catalog& out);      // results.cpp: black_board, NewRecode, rankfont, cursor
void addTitle(Catalog& out);        // title.cpp: scroll3, scroll4, poll, gear, insert/*, hude/*
void addSelect(Catalog& out);       // select.cpp: truespin, falsespin, waku1-1, arrows, PushEnter
void addLogos(Catalog& out);        // logos.cpp: TL4-1, QM, titlerogo3, skipstart
void addFonts(Catalog& out, const std::string& fontFile);  // fonts.cpp: font, font2, font2color, font3

// Files that are not the game's bitmaps: the desktop icons, PNG files drawn from the pictures
// above (icons.cpp: icons/hicolor/NxN/apps/yomogi.png).
struct EncodedFile {
    std::string path;  // relative to the game directory
    std::vector<uint8_t> bytes;
};
void addIcons(const Catalog& art, std::vector<EncodedFile>& out);

}  // namespace pg
