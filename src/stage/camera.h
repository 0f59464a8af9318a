// The camera: which part of the castle is on screen. Follows the player, orbits a turning room
// and glides between rooms.
#pragma once

#include <memory>

struct Camera {
    float x = 0, y = 0;  // world position of the screen's top-left corner
    int orbitCentreX = 0, orbitCentreY = 0;
    int orbitAngle = 0;
    int orbitRadius = 0;
    void (*state)() = nullptr;       // cameraFollow or cameraOrbit
    void (*savedState)() = nullptr;  // the state to return to after a turn
    int (*override)() = nullptr;     // one-shot procedure run instead of the state (the glide)
    int glidePhase = 0;              // 0 none begun, 1 gliding, 2 arrived
    float glideTargetX = 0, glideTargetY = 0;
    float glideStepX = 0, glideStepY = 0;
};
extern std::unique_ptr<Camera> camera;

void createCamera();
void updateCamera();
void freeCamera();
void cameraFollow();
void cameraOrbit();
int cameraGlide();
