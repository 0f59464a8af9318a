#include "score.h"

#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

namespace soundgen {

namespace {

struct Token {
    std::string text;
    int line = 0;
};

class Fault {
public:
    Fault(const std::string& file, int line) : file_(file), line_(line) {}
    [[noreturn]] void operator()(const std::string& message) const {
        throw std::runtime_error(file_ + ":" + std::to_string(line_) + ": " + message);
    }

private:
    const std::string& file_;
    int line_;
};

double parseNumber(const std::string& text, const Fault& fault) {
    try {
        size_t used = 0;
        const auto slash = text.find('/');
        if (slash != std::string::npos) {
            const double top = std::stod(text.substr(0, slash), &used);
            if (used != slash) fault("bad number \"" + text + "\"");
            const std::string bottomText = text.substr(slash + 1);
            const double bottom = std::stod(bottomText, &used);
            if (used != bottomText.size() || bottom == 0.0) fault("bad number \"" + text + "\"");
            return top / bottom;
        }
        const double value = std::stod(text, &used);
        if (used != text.size()) fault("bad number \"" + text + "\"");
        return value;
    } catch (const std::invalid_argument&) {
        fault("bad number \"" + text + "\"");
    } catch (const std::out_of_range&) {
        fault("bad number \"" + text + "\"");
    }
}

// C4 = 60, the MIDI numbering.
double parsePitch(const std::string& text, const Fault& fault) {
    static const std::map<char, int> steps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                              {'G', 7}, {'A', 9}, {'B', 11}};
    if (text.empty() || !steps.count(text[0])) fault("bad pitch \"" + text + "\"");
    int semitone = steps.at(text[0]);
    size_t at = 1;
    while (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
        semitone += text[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at >= text.size()) fault("pitch \"" + text + "\" has no octave");
    const double octave = parseNumber(text.substr(at), fault);
    if (octave != std::floor(octave) || octave < 0 || octave > 8) fault("bad octave in \"" + text + "\"");
    return 12.0 * (octave + 1.0) + semitone;
}

Wave parseWave(const std::string& text, const Fault& fault) {
    static const std::map<std::string, Wave> waves = {
        {"sine", Wave::Sine},   {"triangle", Wave::Triangle}, {"square", Wave::Square},
        {"saw", Wave::Saw},     {"fm", Wave::Fm},             {"pluck", Wave::Pluck},
        {"kick", Wave::Kick},   {"snare", Wave::Snare},       {"hat", Wave::Hat},
        {"openhat", Wave::OpenHat}, {"tom", Wave::Tom},       {"noise", Wave::Noise}};
    const auto found = waves.find(text);
    if (found == waves.end()) fault("unknown wave \"" + text + "\"");
    return found->second;
}

// Splits a line into words; "(" stands alone so that "(D4" and "( D4" read the same.
std::vector<std::string> wordsOf(const std::string& line) {
    std::string spaced;
    for (char c : line) {
        if (c == '(') {
            spaced += " ( ";
        } else if (c == ')') {
            spaced += " )";
        } else {
            spaced += c;
        }
    }
    std::istringstream in(spaced);
    std::vector<std::string> words;
    std::string word;
    while (in >> word) words.push_back(word);
    return words;
}

// Expands "( ... )xN" into N copies of the passage, nested passages included.
std::vector<Token> expandRepeats(const std::vector<Token>& tokens, size_t& at, bool inside,
                                 const std::string& file) {
    std::vector<Token> out;
    while (at < tokens.size()) {
        const Token& token = tokens[at++];
        if (token.text == "(") {
            auto passage = expandRepeats(tokens, at, true, file);
            const Token& close = tokens[at - 1];
            int times = 1;
            if (close.text.size() > 2 && close.text[1] == 'x') {
                times = static_cast<int>(parseNumber(close.text.substr(2), Fault(file, close.line)));
            } else if (close.text != ")") {
                Fault(file, close.line)("bad repeat \"" + close.text + "\"");
            }
            if (times < 1 || times > 64) Fault(file, close.line)("bad repeat count");
            for (int i = 0; i < times; ++i) out.insert(out.end(), passage.begin(), passage.end());
        } else if (!token.text.empty() && token.text[0] == ')') {
            if (!inside) Fault(file, token.line)("\")\" without \"(\"");
            return out;
        } else {
            out.push_back(token);
        }
    }
    if (inside) Fault(file, tokens.empty() ? 0 : tokens.back().line)("\"(\" without \")\"");
    return out;
}

Voice parseVoice(const std::vector<Token>& raw, size_t instrument, int meter, const std::string& file) {
    size_t at = 0;
    const auto tokens = expandRepeats(raw, at, false, file);
    Voice voice;
    voice.instrument = instrument;
    double beat = 0.0;
    double length = 1.0;
    for (const auto& token : tokens) {
        const Fault fault(file, token.line);
        if (token.text == "|") {
            const double bars = beat / meter;
            if (std::abs(bars - std::round(bars)) > 1e-6) {
                fault("bar line at beat " + std::to_string(beat) + " does not close a bar of " +
                      std::to_string(meter));
            }
            continue;
        }
        std::string text = token.text;
        double velocity = 1.0;
        for (const auto& [mark, level] : {std::pair{'!', 1.35}, std::pair{'?', 0.55}}) {
            const auto found = text.find(mark);
            if (found == std::string::npos) continue;
            velocity = level;
            text.erase(found, 1);
        }
        const auto colon = text.find(':');
        if (colon != std::string::npos) {
            length = parseNumber(text.substr(colon + 1), fault);
            if (length <= 0.0) fault("a note needs a positive length");
            text = text.substr(0, colon);
        }
        Note note;
        note.startBeat = beat;
        note.beats = length;
        note.velocity = velocity;
        if (text == "x") {
            note.pitches.push_back(60.0);
        } else if (text != "r") {
            size_t from = 0;
            while (from <= text.size()) {
                const auto plus = text.find('+', from);
                const auto part = text.substr(from, plus == std::string::npos ? std::string::npos : plus - from);
                note.pitches.push_back(parsePitch(part, fault));
                if (plus == std::string::npos) break;
                from = plus + 1;
            }
        }
        if (!note.pitches.empty()) voice.notes.push_back(note);
        beat += length;
    }
    // The end of the voice is its length; a trailing rest still counts.
    Note end;
    end.startBeat = beat;
    end.beats = 0.0;
    voice.notes.push_back(end);
    return voice;
}

}  // namespace

Score parseScore(const std::string& text, const std::string& file) {
    Score score;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    Instrument* instrument = nullptr;
    bool inVoice = false;
    size_t voiceInstrument = 0;
    int voiceLine = 0;
    std::vector<Token> voiceTokens;
    std::vector<double> voiceLengths;

    auto findInstrument = [&](const std::string& name, const Fault& fault) {
        for (size_t i = 0; i < score.instruments.size(); ++i) {
            if (score.instruments[i].name == name) return i;
        }
        fault("unknown instrument \"" + name + "\"");
    };

    while (std::getline(lines, line)) {
        ++lineNumber;
        const Fault fault(file, lineNumber);
        // "#" opens a comment only at the start of a word, so that sharps such as C#5 stay notes.
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
                line.erase(i);
                break;
            }
        }
        const auto words = wordsOf(line);
        if (words.empty()) continue;
        auto number = [&](size_t i) {
            if (i >= words.size()) fault("\"" + words[0] + "\" needs " + std::to_string(i) + " values");
            return parseNumber(words[i], fault);
        };
        const std::string& key = words[0];

        if (inVoice) {
            if (key == "end") {
                inVoice = false;
                Voice voice = parseVoice(voiceTokens, voiceInstrument, score.meter, file);
                voiceLengths.push_back(voice.notes.back().startBeat);
                voice.notes.pop_back();
                score.voices.push_back(std::move(voice));
                continue;
            }
            for (const auto& word : words) voiceTokens.push_back({word, lineNumber});
            continue;
        }
        if (instrument) {
            if (key == "end") {
                instrument = nullptr;
            } else if (key == "wave") {
                if (words.size() < 2) fault("wave needs a name");
                instrument->wave = parseWave(words[1], fault);
            } else if (key == "adsr") {
                instrument->attack = number(1);
                instrument->decay = number(2);
                instrument->sustain = number(3);
                instrument->release = number(4);
            } else if (key == "volume") {
                instrument->volume = number(1);
            } else if (key == "pan") {
                instrument->pan = number(1);
            } else if (key == "chorus") {
                instrument->chorusVoices = static_cast<int>(number(1));
                instrument->chorusCents = number(2);
                if (instrument->chorusVoices < 1 || instrument->chorusVoices > 4) fault("chorus takes 1..4 voices");
            } else if (key == "vibrato") {
                instrument->vibratoRate = number(1);
                instrument->vibratoCents = number(2);
                instrument->vibratoDelay = words.size() > 3 ? number(3) : 0.0;
            } else if (key == "cutoff") {
                instrument->cutoff = number(1);
                if (words.size() > 2) {
                    instrument->cutoffSweep = number(2);
                    instrument->cutoffSweepTime = number(3);
                }
            } else if (key == "fm") {
                instrument->fmRatio = number(1);
                instrument->fmIndex = number(2);
                instrument->fmIndexDecay = number(3);
            } else if (key == "width") {
                instrument->pulseWidth = number(1);
            } else if (key == "echo") {
                instrument->echoBeats = number(1);
                instrument->echoFeedback = number(2);
                instrument->echoMix = number(3);
            } else if (key == "reverb") {
                instrument->reverbSend = number(1);
            } else if (key == "gate") {
                instrument->gate = number(1);
            } else {
                fault("unknown instrument setting \"" + key + "\"");
            }
            continue;
        }
        if (key == "title") {
            score.title = line.substr(line.find("title") + 5);
        } else if (key == "tempo") {
            score.tempo = number(1);
            if (score.tempo <= 0.0) fault("tempo must be positive");
        } else if (key == "meter") {
            score.meter = static_cast<int>(number(1));
            if (score.meter < 1) fault("meter must be positive");
        } else if (key == "gain") {
            score.gain = number(1);
        } else if (key == "swing") {
            score.swing = number(1);
            if (score.swing < 0.5 || score.swing > 0.75) fault("swing goes from 0.5 (straight) to 0.75");
        } else if (key == "humanise") {
            score.humaniseMs = number(1);
            if (score.humaniseMs < 0.0 || score.humaniseMs > 30.0) fault("humanise takes 0..30 milliseconds");
        } else if (key == "room") {
            score.roomSize = number(1);
            score.roomDamping = number(2);
        } else if (key == "instrument") {
            if (words.size() < 2) fault("instrument needs a name");
            score.instruments.push_back({});
            instrument = &score.instruments.back();
            instrument->name = words[1];
        } else if (key == "voice") {
            if (words.size() < 2) fault("voice needs an instrument");
            voiceInstrument = findInstrument(words[1], fault);
            inVoice = true;
            voiceLine = lineNumber;
            voiceTokens.clear();
        } else {
            fault("unknown setting \"" + key + "\"");
        }
    }
    if (inVoice) Fault(file, voiceLine)("voice without \"end\"");
    if (instrument) Fault(file, lineNumber)("instrument without \"end\"");
    if (score.voices.empty()) Fault(file, lineNumber)("a score needs at least one voice");
    score.totalBeats = voiceLengths.front();
    for (size_t i = 0; i < voiceLengths.size(); ++i) {
        if (std::abs(voiceLengths[i] - score.totalBeats) > 1e-6) {
            Fault(file, lineNumber)("voice " + std::to_string(i + 1) + " lasts " + std::to_string(voiceLengths[i]) +
                                    " beats, voice 1 " + std::to_string(score.totalBeats));
        }
    }
    const double bars = score.totalBeats / score.meter;
    if (std::abs(bars - std::round(bars)) > 1e-6) Fault(file, lineNumber)("the track does not end on a bar line");
    return score;
}

}  // namespace soundgen
