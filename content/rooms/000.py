# World 0: the first lessons. Turning the room (room 1), a crate that falls when the room turns
# (room 2), the goal that opens only while it stands upright (room 3), blocks that stay where
# they are drawn (room 4), and the two together (room 5).
#
# Source format: tools/mapgen/mapgen_lib.py (two characters per cell, a kind and its direction).

# The hall: the start cell at the left end of the floor, the five doors along it in order.
# Torches 'T' are lit once the world's last room has been cleared.
HALL = dict(x=0, y=0, rows=[
"# = # # = # # = # # = # ",
"# , . . . . . . . . , # ",
"# . . . . . b . . . . # ",
"# . . . ; . . . . . . # ",
"# . . r . . . . q . . # ",
"# . . . . . . . . . . # ",
"# . . . . : . . . . . # ",
"# . . . . . . . . . . # ",
"# . t . T . . T . t . # ",
"# . . . . . . . . . . # ",
"# s 1 . 2 . 3 . 4 . 5 # ",
"# # % # # # % # # # % # ",
])

# Room 1: the goal is drawn turned (direction 1): one clockwise turn stands it upright with the
# player already under it on the right of the dividing wall.
R1 = dict(x=14, y=1, rows=[
"# # # # # # # # # # ",
"# . . . . # . . G1# ",
"# . . . . # . . . # ",
"# . . . . # . , . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . t . . # . . . # ",
"# . . . . # . . . # ",
"# s . . . . . . . # ",
"# # # # # # # # # # ",
])

# Room 2: the goal (upright after one anticlockwise turn) sits on the end of a ledge two cells
# above the floor the turn drops the player on; the crate falls beside the ledge and is the only
# step up. Standing under the goal before the turn drops the player into the pit behind the
# ledge instead.
R2 = dict(x=26, y=1, rows=[
"# # # # # # # # # # ",
"# . . . . . . . . # ",
"# . # . . . . . . # ",
"# . . . . . . . . # ",
"# . . . . . t . . # ",
"# . s . . . . . . # ",
"# . c . . . . . . # ",
"# # # G3. . . . . # ",
"# . . . . . . . . # ",
"# # # # # # # # # # ",
])

# Room 3: the goal is upright only as drawn, behind the dividing wall; the gap over the wall is
# reached by turning the room, and it must be turned back before the goal opens.
R3 = dict(x=38, y=1, rows=[
"# # # # # # # # # # ",
"# . . . . . . . . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . t . . # . t . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . s . . # . G . # ",
"# # # # # # # # # # ",
])

# Room 4: a crate on a still block, and a goal that stands upright after one anticlockwise turn.
# That turn is the tempting one, and it drops the crate off the still block down to the floor,
# far below the goal. The still block does not fall and holds the crate as long as the crate lies
# on it; three clockwise turns carry the pair round so that the crate comes to rest on a pillar in
# the middle, the stepping stone on the way to the goal. Four in five of the ways the crate can
# come to rest leave the room closed until R. Without the crate or without the still block the
# room cannot be cleared.
R4 = dict(x=50, y=1, rows=[
"# # # # # # # # # # ",
"# . . . . # # . . # ",
"# . . . . # . . . # ",
"# . . . . . . . . # ",
"# . . t . . . # . # ",
"# . . # . . . S # # ",
"# . . . . . . c o # ",
"# . # . . # G3# # # ",
"# . . . . . . . . # ",
"# # # # # # # # # # ",
])

# Room 5: room 3's dividing wall, with a crate held up by a still block on the start side. The
# clockwise turn that carried the player over the wall in room 3 now drops the crate against the
# wall, right in the way; the way round is under the wall, with the room upside down.
R5 = dict(x=62, y=1, rows=[
"# # # # # # # # # # ",
"# . . . . . . . . # ",
"# . . c . # . . . # ",
"# . . o . # . . . # ",
"# . t . . # . t . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . . . . # . . . # ",
"# . s . . # . G . # ",
"# # # # # # # # # # ",
])

WORLD = dict(hall=HALL, rooms=[R1, R2, R3, R4, R5],
             names=['おおひろま', 'まわるへや', 'おちるきばこ', 'ひらくでぐち', 'うごかないいし', 'いしのうえのきばこ'],
             pars=[1, 1, 2, 3, 4],
             screen='1\n300 300\n640 480\n300 300\n0 0\n320 240\n')
