# World 4: the keep at the top of the castle. Sticky blocks, then everything the castle has taught.
# Two characters per cell (kind, direction digit); see tools/mapgen/mapgen_lib.py.
# No block in these rooms is there to look at: taking any one out changes the room's par or
# leaves it unsolvable (the solver's blocks-removed check).

HALL = [
"# = # # = # # = # # = # ",
"# , . . . . . . . . , # ",
"# . . T . . b . . T . # ",
"# . . . . . . . . . . # ",
"# . r . . : . . ; . q # ",
"# . . . . . . . . . . # ",
"# . t . . . . . . t . # ",
"# . . . . . . . . . . # ",
"# . . . . . . . . . . # ",
"# . . . . . . . 4 . 5 # ",
"# s 1 . 2 . 3 . # # # # ",
"# # % # # # % # # % # # ",
]

# Room 1: two sticky blocks. Each falls like a crate until it meets the other; then both hold
# where they are, whichever way the room turns.
ROOM1 = [
"# # # # # # # # ",
"# . # # . G2. # ",
"# . . # . k . # ",
"# . # # . . # # ",
"# . . . . # # # ",
"# . s k # # . # ",
"# . # . . # # # ",
"# # # # # # # # ",
]

# Room 2: sticky blocks with a crate and a still block. The goal hangs over two empty cells that a
# sticky block and then the crate must fill; let the two sticky blocks meet anywhere else first
# and they freeze there for good.
ROOM2 = [
"# # # # # # # # ",
"# c # . . # . # ",
"# G0. . . # . # ",
"# . # # . . k # ",
"# . . k . . # # ",
"# . # . . . # # ",
"# o # # . s . # ",
"# # # # # # # # ",
]

# Room 3: two sticky blocks, a still block standing on a still hazard. The goal can be entered
# only from a block in the cell under it, and the sticky block under the start cell is the one that
# can be brought there: the turns carry it round the still block and the hazard (deadly to walk
# into) while the other is sent up into the far corner. Let the two meet on the way and both
# freeze short of the goal; most of the first two turns' outcomes end so. Without the hazard the
# room cannot be cleared; without the still block or either sticky block it takes four turns.
ROOM3 = [
"# # # # # # # # ",
"# . . # # # # # ",
"# # G # # . # # ",
"# # . . k . . # ",
"# . # . o . . # ",
"# # . . x # s # ",
"# # # # . . k # ",
"# # # # # # # # ",
]

# Room 4: a falling hazard held up by a crate, a spike block and two sticky blocks. The hazard
# must be kept off the player's path while the sticky pair is built into a step to the goal.
ROOM4 = [
"# # # # # # # # ",
"# # . # . ^3. # ",
"# . . . . G2# # ",
"# . # c k # # # ",
"# k # # f # # # ",
"# . s . # # # # ",
"# # # . # . # # ",
"# # # # # # # # ",
]

# Room 5: everything at once: a crate, a heavy weight, a falling hazard and two sticky blocks in
# one winding room. Nine turns, each needed; most ways the blocks can settle close the room.
ROOM5 = [
"# # # # # # # # ",
"# # . . . G3. # ",
"# # . # # . c # ",
"# # . # . k . # ",
"# . # f . . w # ",
"# # s . # # k # ",
"# # # . # . # # ",
"# # # # # # # # ",
]

WORLD = dict(
    hall=dict(x=0, y=0, rows=HALL),
    rooms=[
        dict(x=14, y=2, rows=ROOM1),
        dict(x=24, y=2, rows=ROOM2),
        dict(x=34, y=2, rows=ROOM3),
        dict(x=44, y=2, rows=ROOM4),
        dict(x=54, y=2, rows=ROOM5),
    ],
    names=['てんしゅかく', 'くっつくはこ', 'はことねばり', 'ねばりとわな', 'とげのしたで', 'さいごのてっぺん'],
    pars=[4, 6, 6, 8, 9],
    screen='1\n400 40\n640 480\n480 40\n0 0\n480 120\n',
)
