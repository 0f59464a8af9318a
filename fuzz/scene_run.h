// A menu scene run from its entry for a number of frames as the frame loop runs it: buttons,
// scene step, overlay step; until the scene stores another scene's entry or the frames run out.
#pragma once

#include <string_view>

#include "frame/frame.h"
#include "fuzz_support.h"
#include "input/input.h"

// Returns true when the scene was left by itself (its step stored another entry). A scene that
// draws only shown frames is drawn in every drawEvery-th frame (drawing is the dear part of a
// frame, and the same in every frame of a scene).
inline bool runScene(Procedure entry, Procedure step, std::string_view keys, size_t frames, size_t drawEvery = 1) {
    app.sceneStep = entry;
    for (size_t frame = 0; frame < frames; ++frame) {
        pollButtons(fuzzButtons(keys, frame));
        const Procedure running = app.sceneStep;
        if (running != entry && running != step) return true;
        running();
        if (app.overlayStep) app.overlayStep();
        drawFade();
        app.framePresented = (frame + 1) % drawEvery == 0 ? 1 : 0;
    }
    return app.sceneStep != entry && app.sceneStep != step;
}
