// "settings.txt" in the save folder: seven decimal lines ended by CR LF.
#include "audio/audio.h"
#include "shell/save_file.h"
#include "shell/settings.h"
#include "tables/shell_tables.h"
#include "tables/sizes.h"

std::string SettingsPath() {
    return saveFolder + "settings.txt";
}

static void SetDefaultSettings() {
    fullScreen = 1;
    musicVolume = 280;
    soundVolume = 280;
    currentPlayer = -1;
    settingsLine5 = 0;
    settingsLine6 = 5;
    customPointer = 1;
}

// A missing or unreadable file gives the defaults; a short file reads its
// missing lines as 0.
void ReadSettings() {
    TStream stream = OpenForRead(SettingsPath());
    if (!stream) {
        SetDefaultSettings();
    } else {
        int* lines[] = {&fullScreen, &musicVolume, &soundVolume, &currentPlayer,
                        &settingsLine5, &settingsLine6, &customPointer};
        for (int* line : lines) *line = IntFromText(ReadLine(stream));
        Close(stream);
    }
    // A player number that no profile slot holds would index the per-player
    // tables out of range everywhere; it reads as no player chosen. The
    // volumes are left as read: the options dialog clamps them.
    if (currentPlayer < -1 || currentPlayer > PLAYER_SLOTS - 1) currentPlayer = -1;
    musicLevel = musicVolume;
}

void SaveSettings(int resetToDefaults) {
    if (resetToDefaults == 1) SetDefaultSettings();
    TStream stream = BeginSaveFile(SettingsPath());
    int lines[] = {fullScreen, musicVolume, soundVolume, currentPlayer,
                   settingsLine5, settingsLine6, customPointer};
    for (int line : lines) WriteLine(stream, TextFromInt(line));
    FinishSaveFile(stream, SettingsPath());
}
