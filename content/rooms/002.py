# World 2: lifts, springs and spikes. Two characters per cell (kind, direction digit); the format
# is described in tools/mapgen/mapgen_lib.py. Written to content/map/002 by
#   tools/mapgen/mapgen.py content/rooms/002.py content/map/002
# Walls ('#') are the rooms' shape; every block is part of the puzzle (without it the par changes
# or the room cannot be cleared).

# The hall: doors 1-3 on the floor, 4 and 5 on the step at the right.
HALL_DRAWN = [
    "# = # # = # # = # # = # ",
    "# , . . . . . . . . , # ",
    "# . . . . . b . . . . # ",
    "# . . r . . . . . . . # ",
    "# . . . . : . . q . . # ",
    "# . T . . . . . . . T # ",
    "# . . . . . . . . . . # ",
    "# . . t . . . . t . . # ",
    "# . . . . ; . . . . . # ",
    "# . . . . . . . . 4 5 # ",
    "# s . 1 . 2 . 3 . # # # ",
    "# # % # # # % # # # # # ",
]
# Room 1: the lift plugs the corridor to the goal. Turned clockwise it rises (to the left, as the
# room stood) into the niche and the corridor becomes a shaft down to the goal.
LIFT = [
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # . L . . . . G # ",
    "# . s . # # # # # # ",
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
]
# Room 2: the spring drops down the shaft into the pit at its foot; only its bounce lifts the
# player back up the shaft to the goal's corridor, and the goal opens with the room on its side.
SPRING = [
    "# # # # # # # # # # ",
    "# # . . # p . . G3# ",
    "# # # # . . # # # # ",
    "# . . . # . # # # # ",
    "# . . . # . # # # # ",
    "# . . . . . # # # # ",
    "# s . . . . # # # # ",
    "# # # # # . # # # # ",
    "# # # # # . # # # # ",
    "# # # # # # # # # # ",
]

# Room 3: the spikes beside the start face it, so the way right is shut; each turn turns their
# points with the room, and the way round is taken while they face elsewhere.
SPIKES = [
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # . . . . . . G # ",
    "# # . # # # # # # # ",
    "# # . # # # # # # # ",
    "# . . . . # # # # # ",
    "# . # # . # # # # # ",
    "# . # # . . . . . # ",
    "# s ^1# # # # # . # ",
    "# # # # # # # # # # ",
]

# Room 4: the spikes of room 3 and a lift in the upper corridor: the lift rides up whichever
# way the corridor stands and shuts the goal's side until it is walked round to the far end.
LIFT_SPIKES = [
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # . . . L . . G # ",
    "# # . # # # # # # # ",
    "# # . # # # # # # # ",
    "# . . . . # # # # # ",
    "# . # # . # # # # # ",
    "# . # # . . . . . # ",
    "# s ^1# # # # # . # ",
    "# # # # # # # # # # ",
]

# Room 5: everything the world taught: room 4's spikes and lift, and a spring in the upper
# corridor that falls wherever the room's bottom is and throws the player back up. The spring
# stands between the lift and the shaft, and in the one-cell corridor the two can never pass
# each other, so their order decides the way: a careless start can leave the room closed for
# good two turns in, and only R opens it again.
ALL = [
    "# # # # # # # # # # ",
    "# # # # # # # # # # ",
    "# # . . . p L . G # ",
    "# # . # # # # # # # ",
    "# # . # # # # # # # ",
    "# . . . . # # # # # ",
    "# . # # . # # # # # ",
    "# . # # . . . . . # ",
    "# s ^1# # # # # . # ",
    "# # # # # # # # # # ",
]

# name, par, corner and rows of each room, in door order
PLAN = [('のぼるリフト', 2, 14, 1, LIFT),
        ('はねるバネ', 3, 26, 1, SPRING),
        ('とげのむき', 4, 38, 1, SPIKES),
        ('リフトとトゲ', 8, 50, 1, LIFT_SPIKES),
        ('からくりのおく', 14, 62, 1, ALL)]
ROOMS = [dict(x=x, y=y, rows=rows) for name, par, x, y, rows in PLAN]
# A door is drawn only for a room that exists.
HALL = [''.join('. ' if row[i].isdigit() and int(row[i]) > len(ROOMS) else row[i:i + 2]
                for i in range(0, len(row), 2)) for row in HALL_DRAWN]

WORLD = dict(
    hall=dict(x=0, y=0, rows=HALL),
    rooms=ROOMS,
    names=['からくりのとう'] + [p[0] for p in PLAN],
    pars=[p[1] for p in PLAN],
    screen='1\n560 180\n640 480\n520 120\n0 0\n480 100\n',
)
