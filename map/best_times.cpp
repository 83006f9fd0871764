#include "map/best_times.h"

#include "platform/platform.h"
#include "shell/save_file.h"
#include "tables/best_time_tables.h"
#include "tables/shell_tables.h"

std::string BestTimesPath() {
    return saveFolder + "besttimes.ppp";
}

namespace {

constexpr long BEST_TIMES_FILE_BYTES = BEST_TIME_RECORDS * (4 + BEST_TIME_NAME_BYTES);

}  // namespace

// No file yet (a save folder made before the game's first run) is a fresh
// table without a word; only a file that cannot be read whole is reported.
void ReadBestTimes() {
    if (firstRun == 1 || PathKind(BestTimesPath()) == 0) {
        ResetBestTimes();
        return;
    }
    if (LoadBestTimes()) return;
    PrintError("the best times in " + BestTimesPath() + " could not be read; starting a fresh table");
    ResetBestTimes();
}

int LoadBestTimes() {
    if (FileSize(BestTimesPath()) < BEST_TIMES_FILE_BYTES) return 0;
    TStream stream = OpenForRead(BestTimesPath());
    if (!stream) return 0;
    for (int i = 1; i <= BEST_TIME_RECORDS; i++) {
        bestTime[i] = ReadInt(stream);
        bestTimeName[i] = TrimText(ReadString(stream, BEST_TIME_NAME_BYTES));
    }
    int failed = StreamFailed(stream);
    Close(stream);
    return failed ? 0 : 1;
}

void ResetBestTimes() {
    for (int i = 1; i <= BEST_TIME_RECORDS; i++) {
        bestTime[i] = -1;
        bestTimeName[i].clear();
    }
    SaveBestTimes();
}

// Every record is exactly 16 bytes: a longer name is cut, so one record can
// never shift the ones after it.
void SaveBestTimes() {
    TStream stream = BeginSaveFile(BestTimesPath());
    for (int i = 1; i <= BEST_TIME_RECORDS; i++) {
        std::string& name = bestTimeName[i];
        if (static_cast<int>(name.size()) > BEST_TIME_NAME_BYTES) name.resize(BEST_TIME_NAME_BYTES);
        name.append(BEST_TIME_NAME_BYTES - name.size(), ' ');
        WriteInt(stream, bestTime[i]);
        WriteString(stream, name);
    }
    FinishSaveFile(stream, BestTimesPath());
}

int OfferBestTime(int position, int seconds, const std::string& name) {
    if (position < 1 || position > BEST_TIME_RECORDS) return 0;
    if (bestTime[position] != -1 && seconds >= bestTime[position]) return 0;
    bestTime[position] = seconds;
    bestTimeName[position] = name;
    SaveBestTimes();
    return 1;
}
