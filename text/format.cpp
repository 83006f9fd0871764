// Durations shown as minutes and seconds.
#include <string>

#include "text/text.h"

namespace {

// The last two characters of "0" followed by the number: "07", "59", "-5".
std::string TwoDigits(int value) {
    std::string text = "0" + std::to_string(value);
    return text.substr(text.size() - 2);
}

}  // namespace

std::string FormatMinutesSeconds(int seconds) {
    // Hours are dropped: 3661 seconds read 01:01.
    return TwoDigits((seconds / 60) % 60) + ":" + TwoDigits(seconds % 60);
}
