// Pictures decoded ahead on a thread of their own: the start-up names the big
// pictures it is about to load, and the second core decodes them while the
// first opens the display and loads the rest. Decoding depends on the file
// alone, so a picture taken from here is the one decoding it then would give,
// a failure included.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/platform_internal.h"

namespace {

enum { AHEAD_QUEUED, AHEAD_DECODING, AHEAD_DECODED, AHEAD_TAKEN };

struct TAheadPicture {
    std::string path;
    int state = AHEAD_QUEUED;
    int ok = 0;
    TImageData decoded;   // made here, so that the thread touches no serial of the game's pictures
};

struct TDecodingAhead {
    std::mutex lock;
    std::condition_variable decoded;
    std::deque<TAheadPicture> pictures;   // added to at the end only: the thread's picture stays put
    std::thread thread;
    int running = 0, stopping = 0;
    ~TDecodingAhead() { StopDecodingAhead(); }
};

TDecodingAhead ahead;

// In the order given; a picture the game has come to first is left to it.
void DecodeInTurn() {
    std::unique_lock<std::mutex> hold(ahead.lock);
    for (size_t n = 0; n < ahead.pictures.size() && !ahead.stopping; n++) {
        TAheadPicture& picture = ahead.pictures[n];
        if (picture.state != AHEAD_QUEUED) continue;
        picture.state = AHEAD_DECODING;
        hold.unlock();
        const int ok = DecodePictureFile(picture.path, picture.decoded);
        hold.lock();
        picture.ok = ok;
        picture.state = AHEAD_DECODED;
        ahead.decoded.notify_all();
    }
    ahead.running = 0;
}

}  // namespace

void DecodeAhead(const std::vector<std::string>& paths) {
    std::unique_lock<std::mutex> hold(ahead.lock);
    for (const std::string& path : paths) {
        ahead.pictures.emplace_back();
        ahead.pictures.back().path = path;
    }
    if (ahead.running) return;   // the thread goes on to these
    hold.unlock();
    if (ahead.thread.joinable()) ahead.thread.join();
    ahead.running = 1;
    try {
        ahead.thread = std::thread(DecodeInTurn);
    } catch (const std::system_error&) {
        // No thread to be had: each picture is decoded when it is loaded.
        ahead.running = 0;
    }
}

int StopDecodingAhead() {
    {
        std::lock_guard<std::mutex> hold(ahead.lock);
        ahead.stopping = 1;
    }
    if (ahead.thread.joinable()) ahead.thread.join();
    int untaken = 0;
    for (const TAheadPicture& picture : ahead.pictures) untaken += picture.state != AHEAD_TAKEN;
    ahead.pictures.clear();
    ahead.stopping = 0;
    return untaken;
}

int TakeDecodedAhead(const std::string& path, TImageData& image, int& ok) {
    std::unique_lock<std::mutex> hold(ahead.lock);
    for (TAheadPicture& picture : ahead.pictures) {
        if (picture.state == AHEAD_TAKEN || picture.path != path) continue;
        if (picture.state == AHEAD_QUEUED) {
            picture.state = AHEAD_TAKEN;   // decoded by the caller now rather than waited for
            return 0;
        }
        ahead.decoded.wait(hold, [&] { return picture.state == AHEAD_DECODED; });
        picture.state = AHEAD_TAKEN;
        ok = picture.ok;
        if (ok) {
            TImageData& from = picture.decoded;
            image.pixels.swap(from.pixels);
            image.sheetWidth = from.sheetWidth;
            image.sheetHeight = from.sheetHeight;
            image.hasAlpha = from.hasAlpha;
            image.sourcePath = from.sourcePath;
        }
        std::vector<uint32_t>().swap(picture.decoded.pixels);
        return 1;
    }
    return 0;
}
