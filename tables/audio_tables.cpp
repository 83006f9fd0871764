#include "tables/audio_tables.h"

int musicLevel = 0;
TChannel musicChannel = 0;

void ClearAudioTables() {
    if (musicChannel) Stop(musicChannel);
    musicChannel = 0;
    musicLevel = 0;
}
