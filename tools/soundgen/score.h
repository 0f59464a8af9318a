// Our music scores: a small text format, one file per track in content/music/.
//
//   # a comment runs to the end of the line ("#" at the start of a word)
//   title   Opening
//   tempo   84            quarter-note beats per minute
//   meter   3             beats per bar; "|" in a voice checks that a bar is full
//   gain    0.8           loudness of the track, 1 being the loudest we mix to
//   room    0.82 0.25     hall reverb: size (comb feedback) and damping
//   swing   0.6           notes on the second half of a beat start this far into it (0.5 = straight)
//   humanise 6            each note starts up to this many milliseconds early or late and a little
//                         softer or louder, the same way on every render
//
//   instrument NAME
//     wave    sine | triangle | square | saw | fm | pluck | kick | snare | hat | openhat | tom | noise
//     adsr    ATTACK DECAY SUSTAIN RELEASE     seconds, except sustain (a level 0..1)
//     volume  0.5        pan -0.3
//     chorus  VOICES CENTS                     detuned copies spread across the stereo field
//     vibrato RATE CENTS DELAY
//     cutoff  HZ [SWEEP_HZ SWEEP_SECONDS]      two-pole low pass, opened by SWEEP_HZ at the note start
//     fm      RATIO INDEX INDEX_DECAY          frequency modulation (wave fm)
//     width   0.5                              pulse width of the square
//     echo    BEATS FEEDBACK MIX
//     reverb  SEND
//     gate    0.9                              share of a note's length before its release
//   end
//
//   voice INSTRUMENT
//     D5:1 F5:1/2 A5 | C4+E4+G4:3 | r:2 x:1 | ( D4:1/2 A4 )x4
//   end
//
// A note is a pitch (C4 is middle C; # and b for sharps and flats), "r" for a rest, "x" for a hit
// of a drum at its own pitch, or pitches joined with "+" for a chord; ":LENGTH" gives its length
// in beats (a decimal or a fraction), kept for the following notes until changed; a trailing "!"
// accents a note and "?" makes it a ghost. "( ... )xN" repeats a passage N times.
// Every voice must fill the same number of whole bars: the track loops from its end to its start.
#pragma once

#include <string>
#include <vector>

namespace soundgen {

enum class Wave { Sine, Triangle, Square, Saw, Fm, Pluck, Kick, Snare, Hat, OpenHat, Tom, Noise };

struct Instrument {
    std::string name;
    Wave wave = Wave::Sine;
    double attack = 0.01, decay = 0.3, sustain = 0.7, release = 0.2;
    double volume = 0.5, pan = 0.0;
    int chorusVoices = 1;
    double chorusCents = 0.0;
    double vibratoRate = 0.0, vibratoCents = 0.0, vibratoDelay = 0.0;
    double cutoff = 0.0, cutoffSweep = 0.0, cutoffSweepTime = 0.1;
    double fmRatio = 2.0, fmIndex = 1.0, fmIndexDecay = 0.5;
    double pulseWidth = 0.5;
    double echoBeats = 0.0, echoFeedback = 0.0, echoMix = 0.0;
    double reverbSend = 0.2;
    double gate = 0.95;
};

struct Note {
    double startBeat = 0.0;
    double beats = 1.0;
    std::vector<double> pitches;  // MIDI numbers; a hit of a drum carries its own pitch (60)
    double velocity = 1.0;
};

struct Voice {
    size_t instrument = 0;
    std::vector<Note> notes;
};

struct Score {
    std::string title;
    double tempo = 120.0;
    int meter = 4;
    double gain = 0.8;
    double roomSize = 0.8, roomDamping = 0.3;
    double swing = 0.5;
    double humaniseMs = 0.0;
    std::vector<Instrument> instruments;
    std::vector<Voice> voices;
    double totalBeats = 0.0;

    double secondsPerBeat() const { return 60.0 / tempo; }
};

// Throws std::runtime_error naming the file and line of the first fault.
Score parseScore(const std::string& text, const std::string& fileName);

}  // namespace soundgen
