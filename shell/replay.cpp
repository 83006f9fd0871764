#include "shell/replay.h"

#include <sstream>
#include <vector>

#include "platform/platform.h"
#include "shell/save_file.h"
#include "tables/shell_tables.h"

struct TReplayEvent {
    int frame = 0;
    std::string kind;
    int a = 0, b = 0;
};

static std::vector<std::string> recordedLines;
static std::string recordingPath;
static int recording = 0;
static std::vector<TReplayEvent> replayEvents;
static size_t replayNext = 0;

// Events seen between two frames belong to the frame that reads them next.
static void RecordEvent(const char* kind, int a, int b) {
    std::string line = TextFromInt(frameCount + 1) + " " + kind;
    std::string name = kind;
    if (name == "move" || name == "button" || name == "key") line += " " + TextFromInt(a) + " " + TextFromInt(b);
    else if (name == "char" || name == "app") line += " " + TextFromInt(a);
    recordedLines.push_back(line);
}

void StartRecording(const std::string& path) {
    recordedLines.clear();
    recordingPath = path;
    recording = 1;
    SetInputRecorder(RecordEvent);
}

int StopRecording() {
    if (!recording) return 0;
    SetInputRecorder(nullptr);
    recording = 0;
    TStream stream = BeginSaveFile(recordingPath);
    for (const std::string& line : recordedLines) WriteLine(stream, line);
    return FinishSaveFile(stream, recordingPath);
}

int LoadReplay(const std::string& path) {
    StopReplay();
    TStream stream = OpenForRead(path);
    if (!stream) return 0;
    while (!Eof(stream)) {
        std::istringstream fields(ReadLine(stream));
        TReplayEvent event;
        if (!(fields >> event.frame >> event.kind)) continue;
        fields >> event.a >> event.b;
        replayEvents.push_back(event);
    }
    Close(stream);
    return static_cast<int>(replayEvents.size());
}

static void InjectEvent(const TReplayEvent& event) {
    if (event.kind == "move") InjectPointer(event.a, event.b);
    else if (event.kind == "button") InjectMouseButton(event.a, event.b);
    else if (event.kind == "key") InjectKey(event.a, event.b);
    else if (event.kind == "char") InjectTypedChar(event.a);
    else if (event.kind == "app") InjectAppEvent(event.a);
    else if (event.kind == "close") InjectCloseRequest();
}

int ApplyReplayFrame(int frame) {
    int applied = 0;
    // Events of frames already passed (a replay loaded late) are skipped.
    while (replayNext < replayEvents.size() && replayEvents[replayNext].frame < frame) replayNext++;
    while (replayNext < replayEvents.size() && replayEvents[replayNext].frame == frame) {
        InjectEvent(replayEvents[replayNext]);
        replayNext++;
        applied++;
    }
    return applied;
}

int ReplayLastFrame() {
    return replayEvents.empty() ? 0 : replayEvents.back().frame;
}

void StopReplay() {
    replayEvents.clear();
    replayNext = 0;
}
