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
"# . . . . . . . . . . # ",
"# s 1 . 2 . . . # # # # ",
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

# Room 2: sticky blocks with a crate and a still block. The crate must come down onto the goal's
# side while the two sticky blocks still fall free; pairing them too early walls the way shut.
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

WORLD = dict(
    hall=dict(x=0, y=0, rows=HALL),
    rooms=[
        dict(x=14, y=2, rows=ROOM1),
        dict(x=24, y=2, rows=ROOM2),
    ],
    names=['てんしゅかく', 'くっつくはこ', 'はことねばり'],
    pars=[4, 6],
    screen='1\n640 0\n640 480\n560 0\n0 0\n480 120\n',
)
