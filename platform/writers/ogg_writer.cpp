// Writing OGG Vorbis files from 16-bit samples (for generated sounds and music).
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/writers/writers.h"

static int WritePage(FILE* file, const ogg_page& page) {
    return std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) == static_cast<size_t>(page.body_len);
}

int SaveOgg(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate, float quality) {
    if (channels < 1 || channels > 2 || rate <= 0) return 0;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        std::fclose(file);
        return 0;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x474C44);
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    int ok = 1;
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) ok &= WritePage(file, page);

    size_t frames = samples.size() / static_cast<size_t>(channels);
    size_t done = 0;
    const size_t CHUNK = 1024;
    int ended = 0;
    while (!ended) {
        size_t count = std::min(CHUNK, frames - done);
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0);   // end of the stream
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (size_t i = 0; i < count; i++)
                for (int c = 0; c < channels; c++)
                    buffer[c][i] = samples[(done + i) * channels + c] / 32768.0f;
            vorbis_analysis_wrote(&dsp, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) {
                    ok &= WritePage(file, page);
                    if (ogg_page_eos(&page)) ended = 1;
                }
            }
        }
        if (count == 0) ended = 1;
    }
    while (ogg_stream_flush(&stream, &page)) ok &= WritePage(file, page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    if (std::fclose(file) != 0) ok = 0;
    return ok;
}
