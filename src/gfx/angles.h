// The sine and cosine of every whole degree, single precision, filled before anything runs.
#pragma once

extern float sinTable[360];
extern float cosTable[360];
