# World 1: the east towers. Heavy weights (w), still hazards (x) and falling hazards (f), one at
# a time, then together; crates (c) and still blocks (o) from world 0 come back.
# Rooms are drawn one character per cell here (every kind from tools/mapgen/mapgen_lib.py,
# parameter 0: nothing in this world is drawn turned); plain() widens them to the two-character
# cells the generator reads.


def plain(*rows):
    # '<' is a goal drawn a quarter turn clockwise: it opens once the room has been turned that
    # way, the last of three anticlockwise turns or one clockwise.
    return [''.join('G1' if c == '<' else c + ' ' for c in r) for r in rows]


# The hall: the floor and the outer walls are what the player walks on; the
# decorations (torches, candles, bats, the portrait) are only the look of the towers.
HALL = plain(
    '#=########=#',
    '#,...b....,#',
    '#......q...#',
    '#.r........#',
    '#...t...t..#',
    '#..........#',
    '#..........#',
    '#.T......T.#',
    '#..........#',
    '#..........#',
    '#s1.2.3.4.5#',
    '#=###=###=##',
)

# 1: the weight in the way. A heavy weight plugs the passage on the middle floor; one turn
# drops it into the dead corner on the left, where the way down passes beside it. Turned the
# other way first, it slides into the shaft from above instead and is in the way there too.
ROOM1 = plain(
    '########',
    '#s.....#',
    '######.#',
    '#..###.#',
    '#..w...#',
    '##.#####',
    '#G.....#',
    '########',
)

# 2: the trap at the end of the slide. One clockwise turn would slide the figure straight to
# the goal's wall, over a still hazard that kills at a touch; the long way round, three turns
# the other way, slides it up the left wall and along the top instead.
ROOM2 = plain(
    '########',
    '#.....<#',
    '#.####.#',
    '#.####.#',
    '#.####.#',
    '#..s.x.#',
    '########',
    '########',
)

# 3: the falling trap. Room 1's passage again, but what plugs it now is a falling hazard that
# the figure may neither touch nor stand on, and the corner it was parked in is closed: it has
# to be walked round the room, turn by turn, until it lies where the figure never passes.
# A wrong pair of turns at the start leaves it where it can never be moved out of the way.
ROOM3 = plain(
    '########',
    '#s.....#',
    '######.#',
    '##.###.#',
    '#..f...#',
    '#.######',
    '#.....G#',
    '########',
)

# 4: the trap and the weight. Room 3's falling hazard again, and a heavy weight lying in the
# bottom passage to the goal: every turn moves both, so the two have to be walked round the
# room together until neither lies between the figure and the goal.
ROOM4 = plain(
    '########',
    '#s.....#',
    '######.#',
    '##.###.#',
    '#..f...#',
    '#.######',
    '#..w..G#',
    '########',
)

# 5: the whole tower. Room 4's two pieces, seen in a mirror, and under the corner where the
# falling hazard used to be parked the floor itself is a still hazard: the figure may no longer
# drop onto it on the way round, and the weight and the trap need a longer walk.
ROOM5 = plain(
    '########',
    '#.....S#',
    '#.######',
    '#.###.##',
    '#...f..#',
    '#####x.#',
    '#G..w..#',
    '########',
)

ROOMS = [
    (14, 1, ROOM1),
    (24, 1, ROOM2),
    (34, 1, ROOM3),
    (14, 11, ROOM4),
    (24, 11, ROOM5),
]


def hall_with_doors(rooms):
    # A door leads only to a room that exists: the doors after the last room are left out.
    rows = HALL
    for door in range(rooms + 1, 6):
        rows = [r.replace(str(door) + ' ', '. ') for r in rows]
    return rows


WORLD = dict(
    hall=dict(x=0, y=0, rows=hall_with_doors(len(ROOMS))),
    rooms=[dict(x=x, y=y, rows=rows) for x, y, rows in ROOMS],
    names=['ひがしのとう', 'おもいおもり', 'とおまわり', 'おちるワナ', 'ワナとおもり', 'てっぺん'],
    pars=[2, 3, 6, 8, 10],
    screen='1\n620 260\n640 480\n560 200\n0 0\n420 120\n',
)
