// The music renderer. A score (format in content/music/README.md) is read into
// timed note events, played through FluidSynth into a buffer one loop long
// plus a tail, and the tail is folded back into the loop's head: the reverb
// and the last notes ringing over the seam then sound in the first bars, as
// they do when the game plays the track round again, and the loop has no click.
#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "audio/sound_files.h"
#include "music.h"
#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "sheets.h"
#include "synth.h"

namespace {

struct TNoteEvent {
    long long at = 0;     // sample
    int on = 0;           // 1 note on, 0 note off
    int channel = 0;
    int key = 0;
    int velocity = 0;
};

struct TPart {
    std::string name;
    int channel = 0;
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 70;
    int chorus = 20;
    int transpose = 0;
};

struct TScore {
    double tempo = 80.0;      // beats per minute
    int beats = 4;            // per bar
    int bars = 0;             // the loop's length
    double tail = 6.0;        // seconds rendered past the loop
    double roomSize = 0.7;
    double reverbLevel = 0.6;
    std::vector<TPart> parts;
    std::vector<TNoteEvent> events;
};

// General MIDI programs the scores name in words (numbers work as well).
struct TProgramName {
    const char* name;
    int program;
};
const TProgramName PROGRAM_NAMES[] = {
    {"piano", 0},       {"epiano", 4},      {"celesta", 8},      {"glockenspiel", 9}, {"musicbox", 10},
    {"vibraphone", 11}, {"marimba", 12},    {"nylon", 24},       {"bass", 32},        {"fretless", 35},
    {"cello", 42},      {"harp", 46},       {"strings", 48},     {"slowstrings", 49}, {"choir", 52},
    {"voice", 53},      {"oboe", 68},       {"clarinet", 71},    {"flute", 73},       {"recorder", 74},
    {"panflute", 75},   {"ocarina", 79},    {"warmpad", 89},     {"choirpad", 91},    {"bowedpad", 92},
    {"halopad", 94},    {"sweeppad", 95},   {"crystal", 98},     {"atmosphere", 99},  {"kalimba", 108},
};

int Fail(const std::string& where, const std::string& rule) {
    std::fprintf(stderr, "soundgen: %s: %s\n", where.c_str(), rule.c_str());
    return 0;
}

int ProgramOf(const std::string& word) {
    for (const TProgramName& p : PROGRAM_NAMES)
        if (word == p.name) return p.program;
    char* end = nullptr;
    long n = std::strtol(word.c_str(), &end, 10);
    return (*end == 0 && n >= 0 && n <= 127) ? static_cast<int>(n) : -1;
}

// "c4" is middle C (60); sharps '#', flats 'b'. -1 when not a note.
int KeyOf(const std::string& name) {
    static const int LETTER[7] = {9, 11, 0, 2, 4, 5, 7};   // a b c d e f g
    if (name.empty() || name[0] < 'a' || name[0] > 'g') return -1;
    int key = LETTER[name[0] - 'a'];
    size_t i = 1;
    while (i < name.size() && (name[i] == '#' || name[i] == 'b')) key += name[i++] == '#' ? 1 : -1;
    if (i >= name.size()) return -1;
    char* end = nullptr;
    long octave = std::strtol(name.c_str() + i, &end, 10);
    if (*end != 0) return -1;
    key += 12 * (static_cast<int>(octave) + 1);
    return key >= 0 && key <= 127 ? key : -1;
}

// The state of reading one part's notes.
struct TReading {
    TPart* part = nullptr;
    double beat = 0.0;        // where the next note starts
    double length = 1.0;      // the last duration written
    int velocity = 80;
};

class ScoreReader {
public:
    ScoreReader(TScore& score, const std::string& file) : score_(score), file_(file) {}

    int Read() {
        std::ifstream in(file_);
        if (!in) return Fail(file_, "cannot be read");
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            number++;
            where_ = file_ + ":" + std::to_string(number);
            // A sharp belongs to a note name ("f#4"); a comment starts with "# "
            // or fills the line.
            size_t comment = line.find("# ");
            if (line.find('#') == 0) comment = 0;
            if (comment != std::string::npos) line = line.substr(0, comment);
            std::istringstream words(line);
            std::vector<std::string> w;
            for (std::string word; words >> word;) w.push_back(word);
            if (w.empty()) continue;
            if (!ReadLine(w)) return 0;
        }
        return EndPart();
    }

private:
    TScore& score_;
    std::string file_;
    std::string where_;
    TReading reading_;

    double BeatSeconds() const { return 60.0 / score_.tempo; }
    long long SampleAt(double beat) const { return std::llround(beat * BeatSeconds() * SOUND_RATE); }
    double LoopBeats() const { return static_cast<double>(score_.bars) * score_.beats; }

    int EndPart() {
        if (!reading_.part) return 1;
        if (std::fabs(reading_.beat - LoopBeats()) > 1e-6)
            return Fail(file_, "part " + reading_.part->name + " lasts " + std::to_string(reading_.beat) +
                                   " beats, the loop " + std::to_string(LoopBeats()));
        return 1;
    }

    int ReadLine(const std::vector<std::string>& w) {
        const std::string& head = w[0];
        auto number = [&](size_t i, double& out) {
            if (i >= w.size()) return 0;
            char* end = nullptr;
            out = std::strtod(w[i].c_str(), &end);
            return *end == 0 ? 1 : 0;
        };
        double a = 0.0, b = 0.0;
        if (head == "tempo") return number(1, score_.tempo) && score_.tempo > 0 ? 1 : Fail(where_, "tempo needs beats per minute");
        if (head == "beats") return number(1, a) && a >= 1 ? (score_.beats = static_cast<int>(a), 1) : Fail(where_, "beats per bar");
        if (head == "bars") return number(1, a) && a >= 1 ? (score_.bars = static_cast<int>(a), 1) : Fail(where_, "bars of the loop");
        if (head == "tail") return number(1, score_.tail) ? 1 : Fail(where_, "tail in seconds");
        if (head == "reverb") {
            if (!number(1, a) || !number(2, b)) return Fail(where_, "reverb needs room size and level");
            score_.roomSize = a;
            score_.reverbLevel = b;
            return 1;
        }
        if (head == "part") return StartPart(w);
        if (!reading_.part) return Fail(where_, "notes before the first part");
        return ReadNotes(w);
    }

    int StartPart(const std::vector<std::string>& w) {
        if (!EndPart()) return 0;
        if (score_.bars <= 0) return Fail(where_, "bars must come before the parts");
        if (w.size() < 2) return Fail(where_, "a part needs a name");
        if (score_.parts.size() >= 15) return Fail(where_, "at most 15 parts");
        TPart part;
        part.name = w[1];
        int channel = static_cast<int>(score_.parts.size());
        part.channel = channel >= 9 ? channel + 1 : channel;   // channel 9 is the drum kit
        for (size_t i = 2; i + 1 < w.size(); i += 2) {
            if (w[i] == "transpose") {
                part.transpose = std::atoi(w[i + 1].c_str());
                continue;
            }
            int value = ProgramOf(w[i + 1]);
            if (w[i] == "program") part.program = value;
            else if (w[i] == "volume") part.volume = value;
            else if (w[i] == "pan") part.pan = value;
            else if (w[i] == "reverb") part.reverb = value;
            else if (w[i] == "chorus") part.chorus = value;
            else return Fail(where_, "unknown setting " + w[i]);
            if (value < 0) return Fail(where_, "bad value " + w[i + 1]);
        }
        score_.parts.push_back(part);
        reading_ = TReading{};
        reading_.part = &score_.parts.back();
        return 1;
    }

    void AddNote(int key, double start, double length) {
        key += reading_.part->transpose;
        if (key < 0 || key > 127) return;
        TNoteEvent on{SampleAt(start), 1, reading_.part->channel, key, reading_.velocity};
        TNoteEvent off{SampleAt(start + length), 0, reading_.part->channel, key, 0};
        score_.events.push_back(on);
        score_.events.push_back(off);
    }

    // One note, rest or chord with an optional "/beats".
    int ReadSound(std::string token) {
        size_t slash = token.find('/');
        if (slash != std::string::npos) {
            char* end = nullptr;
            double length = std::strtod(token.c_str() + slash + 1, &end);
            if (*end != 0 || length <= 0) return Fail(where_, "bad length in " + token);
            reading_.length = length;
            token = token.substr(0, slash);
        }
        std::vector<int> keys;
        if (token != "r") {
            std::string inner = token;
            if (!inner.empty() && inner.front() == '[') {
                if (inner.back() != ']') return Fail(where_, "unclosed chord " + token);
                inner = inner.substr(1, inner.size() - 2);
            }
            std::replace(inner.begin(), inner.end(), ',', ' ');
            std::istringstream names(inner);
            for (std::string name; names >> name;) {
                int key = KeyOf(name);
                if (key < 0) return Fail(where_, "not a note: " + name);
                keys.push_back(key);
            }
        }
        for (int key : keys) AddNote(key, reading_.beat, reading_.length);
        reading_.beat += reading_.length;
        return 1;
    }

    int ReadNotes(std::vector<std::string> w) {
        int repeats = 1;
        if (w.size() > 1 && w.back().size() > 1 && w.back()[0] == 'x') {
            repeats = std::atoi(w.back().c_str() + 1);
            if (repeats < 1) return Fail(where_, "bad repeat " + w.back());
            w.pop_back();
        }
        // Chords are written "[d3 a3 f#4]/2": join their words again.
        std::vector<std::string> tokens;
        for (size_t i = 0; i < w.size(); i++) {
            if (w[i][0] == '[' && w[i].find(']') == std::string::npos) {
                std::string chord = w[i];
                while (++i < w.size()) {
                    chord += "," + w[i];
                    if (w[i].find(']') != std::string::npos) break;
                }
                tokens.push_back(chord);
            } else {
                tokens.push_back(w[i]);
            }
        }
        for (int r = 0; r < repeats; r++) {
            for (const std::string& token : tokens) {
                if (token == "|") {
                    double inBar = std::fmod(reading_.beat, score_.beats);
                    if (inBar > 1e-6 && score_.beats - inBar > 1e-6)
                        return Fail(where_, "bar line " + std::to_string(inBar) + " beats into a bar");
                } else if (token[0] == '!') {
                    reading_.velocity = std::clamp(std::atoi(token.c_str() + 1), 1, 127);
                } else if (!ReadSound(token)) {
                    return 0;
                }
                if (reading_.beat > LoopBeats() + 1e-6) return Fail(where_, "part " + reading_.part->name + " runs past the loop");
            }
        }
        return 1;
    }
};

void LogNothing(int level, const char*, void*) { (void)level; }

// Plays the score's events through the SoundFont: interleaved stereo, `total` frames.
int Render(const TScore& score, const std::string& soundFont, long long total, std::vector<float>& out) {
    for (int level = FLUID_PANIC; level <= FLUID_DBG; level++) fluid_set_log_function(level, LogNothing, nullptr);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", SOUND_RATE);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_settings_setint(settings, "synth.polyphony", 256);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_settings_setnum(settings, "synth.reverb.room-size", score.roomSize);
    fluid_settings_setnum(settings, "synth.reverb.level", score.reverbLevel);
    fluid_settings_setnum(settings, "synth.reverb.damp", 0.4);
    fluid_settings_setnum(settings, "synth.reverb.width", 0.9);
    fluid_settings_setint(settings, "synth.chorus.active", 1);
    fluid_settings_setnum(settings, "synth.chorus.level", 1.2);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return 0;
    }
    for (const TPart& part : score.parts) {
        fluid_synth_program_change(synth, part.channel, part.program);
        fluid_synth_cc(synth, part.channel, 7, part.volume);
        fluid_synth_cc(synth, part.channel, 10, part.pan);
        fluid_synth_cc(synth, part.channel, 91, part.reverb);
        fluid_synth_cc(synth, part.channel, 93, part.chorus);
    }
    std::vector<TNoteEvent> events = score.events;
    // Offs before ons at one moment, so a repeated note sounds again.
    std::stable_sort(events.begin(), events.end(), [](const TNoteEvent& a, const TNoteEvent& b) {
        return a.at != b.at ? a.at < b.at : a.on < b.on;
    });
    out.assign(static_cast<size_t>(total) * 2, 0.0f);
    std::vector<float> left(4096), right(4096);
    long long done = 0;
    size_t next = 0;
    while (done < total) {
        while (next < events.size() && events[next].at <= done) {
            const TNoteEvent& e = events[next++];
            if (e.on) fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
            else fluid_synth_noteoff(synth, e.channel, e.key);
        }
        long long until = next < events.size() ? std::min(total, events[next].at) : total;
        int count = static_cast<int>(std::min<long long>(until - done, 4096));
        if (count <= 0) count = 1;
        fluid_synth_write_float(synth, count, left.data(), 0, 1, right.data(), 0, 1);
        for (int i = 0; i < count; i++) {
            out[(done + i) * 2] = left[i];
            out[(done + i) * 2 + 1] = right[i];
        }
        done += count;
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return 1;
}

// The step across the loop's seam is no larger than the largest step between
// neighbouring samples inside it, in either channel.
int SeamIsSmooth(const std::vector<float>& track) {
    size_t frames = track.size() / 2;
    for (int c = 0; c < 2; c++) {
        float inside = 0.0f;
        for (size_t i = 1; i < frames; i++) inside = std::max(inside, std::fabs(track[i * 2 + c] - track[(i - 1) * 2 + c]));
        if (std::fabs(track[c] - track[(frames - 1) * 2 + c]) > inside) return 0;
    }
    return 1;
}

void WriteLe(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; i++) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int SaveWav(const std::string& path, const std::vector<int16_t>& samples) {
    uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string header = "RIFF";
    WriteLe(header, 36 + dataBytes, 4);
    header += "WAVEfmt ";
    WriteLe(header, 16, 4);
    WriteLe(header, 1, 2);                  // PCM
    WriteLe(header, 2, 2);                  // stereo
    WriteLe(header, SOUND_RATE, 4);
    WriteLe(header, SOUND_RATE * 4, 4);
    WriteLe(header, 4, 2);
    WriteLe(header, 16, 2);
    header += "data";
    WriteLe(header, dataBytes, 4);
    std::string body;
    body.reserve(dataBytes);
    for (int16_t s : samples) WriteLe(body, static_cast<uint16_t>(s), 2);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << header << body;
    return file.good() ? 1 : 0;
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int MakeMusic(const std::string& scoreFile, const std::string& trackFile, const std::string& contact,
              const std::string& soundFont) {
    std::string name = BaseName(trackFile);
    int known = 0;
    for (const char* file : MUSIC_FILES) known |= name == file;
    if (!known) return Fail(name, "is not one of the game's tracks");
    TScore score;
    if (!ScoreReader(score, scoreFile).Read()) return 0;
    if (score.parts.empty()) return Fail(scoreFile, "has no parts");
    long long loop = std::llround(score.bars * score.beats * 60.0 / score.tempo * SOUND_RATE);
    long long tail = std::llround(score.tail * SOUND_RATE);
    if (tail > loop) return Fail(scoreFile, "the tail is longer than the loop");
    std::vector<float> rendered;
    if (!Render(score, soundFont, loop + tail, rendered)) return Fail(soundFont, "cannot be loaded");
    std::vector<float> track(rendered.begin(), rendered.begin() + loop * 2);
    for (long long i = 0; i < tail * 2; i++) track[i] += rendered[loop * 2 + i];
    // The mean only: a filter would start and end in different states and
    // leave a step at the seam.
    for (int c = 0; c < 2; c++) {
        double mean = ChannelMean(track, 2, c);
        for (size_t i = c; i < track.size(); i += 2) track[i] -= static_cast<float>(mean);
    }
    float peak = std::pow(10.0f, PeakDb(track) / 20.0f);
    for (float& s : track) s *= HEADROOM_PEAK / peak;
    if (!CheckSound(name, track, 2)) return 0;
    if (!SeamIsSmooth(track)) return Fail(name, "clicks where the loop starts again");
    std::vector<int16_t> pcm = ToPcm(track);
    int written = name.size() > 4 && name.substr(name.size() - 4) == ".wav" ? SaveWav(trackFile, pcm)
                                                                           : SaveOgg(trackFile, pcm, 2, SOUND_RATE, 0.4f);
    if (!written) return Fail(trackFile, "cannot be written");
    std::string stem = name.substr(0, name.find('.'));
    if (!contact.empty()) MakeFolder(contact, 1);
    if (!contact.empty()) SaveReviewSheet(contact + "/music_" + stem + ".png", track, 2);
    return 1;
}
