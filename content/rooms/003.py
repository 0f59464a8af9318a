# World 3: the west waterworks. Liquid (l), arrows (a, with the way they point) and ghost blocks
# (h), one at a time, then together; crates (c) and still blocks (o) from the earlier worlds come
# back. Rooms are drawn one character per cell (plain() widens them to the two-character cells the
# generator reads): arrows as u < v > (pointing up, left, down, right as drawn), a goal drawn turned
# as J K M (a quarter, a half, three quarters of a turn anticlockwise from upright).
# A room with view=k is drawn as the player sees it after k anticlockwise turns (the view in which
# its goal stands upright); the generator turns it back to the way the player finds it.


def plain(*rows):
    turned = {'u': 'a0', '<': 'a1', 'v': 'a2', '>': 'a3', 'J': 'G1', 'K': 'G2', 'M': 'G3'}
    return [''.join(turned.get(c, c + ' ') for c in r) for r in rows]


# The hall: the floor and the outer walls are what the player walks on; the ledge, torches, bats
# and flags are only the look of the waterworks.
HALL = plain(
    '#=#=#==#=#=#',
    '#;...b.....#',
    '#.q......r.#',
    '#..........#',
    '#.t..t..t..#',
    '#..........#',
    '#..b.......#',
    '#.T......T.#',
    '#..........#',
    '#..........#',
    '#s1.2.3.4.5#',
    '#%##=##=##%#',
)

# 1: four drops of water in a shaft, upside down. Two turns stand the room upright and the water
# falls back down the shaft, deep enough to swim up to the goal's ledge; with a drop missing it
# is not (the par grows to 4 and needs the long way round).
ROOM1 = plain(
    '########',
    '#....G.#',
    '#.######',
    '#l#s...#',
    '#l#.##.#',
    '#l#.##.#',
    '#l.....#',
    '########',
)

# 2: one arrow, drawn as the player meets it when the goal stands upright. Turned the right way
# it blows the player up the last shaft, and three turns reach the goal; without it the way round
# takes five.
ROOM2 = plain(
    '########',
    '#G.....#',
    '####.#.#',
    '#..#.#.#',
    '#..#.#.#',
    '#s.#.#.#',
    '#.....>#',
    '########',
)

# 3: as the room is found, the ghost block lies in the pit under the corridor and holds the crate
# up in the way: the crate cannot sink past it, but the player can. Standing in the pit with the
# ghost block while the room turns lets the crate slide by to the far end: four turns. Without the
# ghost block the crate fills the pit and two turns do; without the crate, two as well.
ROOM3 = plain(
    '##########',
    '##########',
    '########.#',
    '########.#',
    '########.#',
    '###h####.#',
    '#s.c....G#',
    '###.######',
    '##########',
    '##########',
)

# 4: two drops of water and one arrow in a spiral of one-cell passages, drawn as the player sees it
# when the goal stands upright. The wind at the top of the right-hand shaft holds the player up;
# only the drop that falls down the shaft with him pulls him through (without the arrow the par is
# 3). The other drop, carried round to the foot of the last passage, is the step he swims up into
# the goal's corridor (without it the par is 7). The bottom-right corner of the outer wall is a
# drain: turn the room back the wrong way and the first drop pours out, and the goal is lost.
ROOM4 = plain(
    '#########',
    '#Gl.#..u#',
    '###.#.#.#',
    '#...#.#l#',
    '#.###.#.#',
    '#.#..s#.#',
    '#.#####.#',
    '#........',
    '########.',
)

# 5: a crate and a ghost block in the left-hand shaft above the goal and an arrow at the foot of
# the right-hand one, drawn with the goal upright. The wind blows the player back up the right-hand
# shaft, so the way down is the left one; but the ghost block drops into the goal first and holds
# the crate up in the shaft, in his way. He sends the ghost block off along the bottom passage,
# lets the crate drop into the goal and sends it after, then drops down the empty shaft: six turns.
# Without the ghost block four do, without the crate or the arrow two. The bottom row and the
# right-hand column are walls only, to make the room as big as the first two.
ROOM5 = plain(
    '########',
    '#...s.##',
    '#c###.##',
    '#h###.##',
    '#.###u##',
    '#G....##',
    '########',
    '########',
)

ROOMS = [dict(x=14, y=2, rows=ROOM1, view=2),
         dict(x=24, y=2, rows=ROOM2, view=3),
         dict(x=34, y=1, rows=ROOM3, view=2),
         dict(x=46, y=2, rows=ROOM4, view=1),
         dict(x=57, y=2, rows=ROOM5, view=2)]


def doors_up_to(rows, last):
    # The hall shows the doors of the rooms there are; a door beyond them is plain floor.
    return [''.join('. ' if c.isdigit() and int(c) > last else c + p
                    for c, p in zip(r[::2], r[1::2])) for r in rows]


WORLD = dict(
    hall=dict(x=0, y=0, rows=doors_up_to(HALL, len(ROOMS))),
    rooms=ROOMS,
    names=['にしのすいろ', 'みずのはしら', 'かぜのやじるし', 'あなのゆうれい', 'うずまきすいろ', 'かぜとゆうれい'],
    pars=[2, 3, 4, 5, 6],
    screen='1\n160 20\n640 480\n80 60\n0 0\n200 110\n',
)
