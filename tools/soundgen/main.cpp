// The sound generator. "effects" writes every sound effect of the game's sound
// table into a folder; "music" renders one score into one track. Each sound is
// checked as it is made (peak, DC, loudness, the loop's seam) and the build
// stops naming the sound and the rule it breaks. A review sheet of each goes
// to the contact folder.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "audio/sound_files.h"
#include "effects.h"
#include "music.h"
#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "sheets.h"
#include "synth.h"

static std::string Stem(const std::string& file) {
    return file.substr(0, file.find('.'));
}

static int Refuse(const std::string& name, const std::string& rule) {
    std::fprintf(stderr, "soundgen: %s: %s\n", name.c_str(), rule.c_str());
    return 0;
}

static int MakeEffects(const std::string& folder, const std::string& contact) {
    for (int i = 0; i < SOUND_SLOTS; i++) {
        if (!SOUND_FILES[i]) continue;
        int found = 0;
        for (int r = 0; r < EFFECT_RECIPE_COUNT; r++) found |= std::strcmp(EFFECT_RECIPES[r].file, SOUND_FILES[i]) == 0;
        if (!found) return Refuse(SOUND_FILES[i], "has no recipe");
    }
    MakeFolder(folder, 1);
    if (!contact.empty()) MakeFolder(contact, 1);
    for (int r = 0; r < EFFECT_RECIPE_COUNT; r++) {
        const std::string name = EFFECT_RECIPES[r].file;
        TBuffer sound;
        EFFECT_RECIPES[r].recipe(sound);
        float loudness = FinishEffect(sound);
        if (!CheckSound(name, sound, 1)) return 0;
        if (std::fabs(loudness - EFFECT_LOUDNESS_DB) > LOUDNESS_SPREAD_DB)
            return Refuse(name, "is " + std::to_string(loudness) + " dBFS loud, not within 3 dB of the others");
        if (!SaveOgg(folder + "/" + name, ToPcm(sound), 1, SOUND_RATE, 0.5f)) return Refuse(name, "cannot be written");
        if (!contact.empty()) SaveReviewSheet(contact + "/sound_" + Stem(name) + ".png", sound, 1);
    }
    return 1;
}

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    int ok = 0;
    if (mode == "effects" && argc >= 3) {
        ok = MakeEffects(argv[2], argc > 3 ? argv[3] : "");
    } else if (mode == "music" && argc >= 6) {
        ok = MakeMusic(argv[2], argv[3], argv[4], argv[5]);
    } else {
        std::fprintf(stderr,
                     "usage: soundgen effects <sound folder> [contact folder]\n"
                     "       soundgen music <score> <track file> <contact folder> <soundfont>\n");
        return 2;
    }
    return ok ? 0 : 1;
}
