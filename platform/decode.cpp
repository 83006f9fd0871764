// Reading picture files: PNG through libpng, JPEG through libjpeg.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/platform.h"
#include "platform/platform_internal.h"

// A header may claim any size: the claim is checked before anything is
// allocated, and a picture the memory cannot hold is a failed load.
static int SideAllowed(unsigned long side) {
    return side > 0 && side <= static_cast<unsigned long>(MAX_PICTURE_SIDE);
}

// The pixels grow with the rows actually decoded, never to more than the
// claimed size: a small file that claims a huge picture fails before it has
// cost more memory than its data could fill. The first rows take at once what
// the file would fill at PIXEL_BYTES_PER_FILE_BYTE (compressed data fills a
// thousand times its size at most), so that a real picture is allocated once;
// past that, doubling keeps the copies few.
static const size_t PIXEL_BYTES_PER_FILE_BYTE = 64;

static int GrowForRow(std::vector<uint32_t>& pixels, int width, int height, int row, size_t fileBytes) {
    const size_t needed = static_cast<size_t>(row + 1) * width, whole = static_cast<size_t>(width) * height;
    if (pixels.size() >= needed) return 1;
    const size_t first = fileBytes / 4 * PIXEL_BYTES_PER_FILE_BYTE;
    try {
        pixels.resize(std::min(whole, std::max({needed, pixels.size() * 2, first})));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

// Where libpng reads its bytes from: a file or a block of memory, of size bytes.
struct TPngSource {
    FILE* file = nullptr;
    const unsigned char* bytes = nullptr;
    size_t size = 0, at = 0;
};


static void ReadPngBytes(png_structp png, png_bytep out, size_t length) {
    TPngSource* source = static_cast<TPngSource*>(png_get_io_ptr(png));
    if (source->file) {
        if (std::fread(out, 1, length, source->file) != length) png_error(png, "cut short");
        return;
    }
    if (length > source->size - source->at) png_error(png, "cut short");
    std::memcpy(out, source->bytes + source->at, length);
    source->at += length;
}

[[noreturn]] static void PngFailed(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

static void PngQuiet(png_structp, png_const_charp) {}

// Any PNG as 8-bit BGRA, whose bytes are 0xAARRGGBB words on a little-endian
// machine. An interlaced picture is decoded in passes over the whole picture;
// its first pass, an eighth of the rows, already grows it row by row, so a
// file cut short fails as early there too.
static int DecodePngFrom(TPngSource& source, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha) {
    pixels.clear();
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngFailed, PngQuiet);
    if (!png) return 0;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        pixels = std::vector<uint32_t>();
        return 0;
    }
    png_set_read_fn(png, &source, ReadPngBytes);
    // Every chunk's CRC is checked, the compressed data's included: the
    // stream's own checksum over the pixels would only check them again.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(png, info);
    png_uint_32 w = 0, h = 0;
    int depth = 0, colourType = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colourType, &interlace, nullptr, nullptr);
    if (!SideAllowed(w) || !SideAllowed(h)) png_longjmp(png, 1);
    const int transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 || transparency;
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (transparency) png_set_tRNS_to_alpha(png);
    if (depth == 16) png_set_strip_16(png);
    if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) png_longjmp(png, 1);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    for (int pass = 0; pass < passes; pass++) {
        for (int y = 0; y < height; y++) {
            if (!GrowForRow(pixels, width, height, y, source.size)) png_longjmp(png, 1);
            png_read_row(png, reinterpret_cast<png_bytep>(pixels.data() + static_cast<size_t>(y) * width), nullptr);
        }
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return 1;
}

int DecodePng(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha) {
    TPngSource source;
    source.file = std::fopen(path.c_str(), "rb");
    if (!source.file) return 0;
    source.size = static_cast<size_t>(std::max(0L, FileSize(path)));
    int ok = DecodePngFrom(source, pixels, width, height, hasAlpha);
    std::fclose(source.file);
    return ok;
}

int DecodePngBytes(const unsigned char* bytes, size_t size, std::vector<uint32_t>& pixels, int& width, int& height,
                   int& hasAlpha) {
    TPngSource source;
    source.bytes = bytes;
    source.size = size;
    return DecodePngFrom(source, pixels, width, height, hasAlpha);
}

static const long JPEG_MEMORY_LIMIT = 64L << 20;
static const size_t JPEG_READ_BYTES = 4096;

struct TJpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
    int warned = 0;    // the decoder patched over broken or missing data
};

static void JpegFailed(j_common_ptr info) {
    TJpegError* error = reinterpret_cast<TJpegError*>(info->err);
    longjmp(error->jump, 1);
}

// Level -1 is a warning: libjpeg carries on with made-up data (grey rows for a
// file cut short), which the game takes as a picture that failed to load.
static void JpegQuiet(j_common_ptr info, int level) {
    if (level < 0) reinterpret_cast<TJpegError*>(info->err)->warned = 1;
}

// Where libjpeg reads its bytes from. libjpeg's own file source meets the end
// of the file with a made-up end marker and a warning, and meets it again for
// every two bytes a marker's length still asks to skip: a few bytes claiming
// a long marker cost tens of thousands of reads. The game refuses a picture
// on any warning, so here the end of the file fails the decoding at once.
struct TJpegSource {
    jpeg_source_mgr manager;
    FILE* file = nullptr;
    JOCTET bytes[JPEG_READ_BYTES];
};

static void JpegSourceStart(j_decompress_ptr) {}

static void JpegSourceEnd(j_decompress_ptr) {}

static boolean JpegSourceFill(j_decompress_ptr info) {
    TJpegSource* source = reinterpret_cast<TJpegSource*>(info->src);
    size_t got = std::fread(source->bytes, 1, JPEG_READ_BYTES, source->file);
    if (got == 0) ERREXIT(info, JERR_INPUT_EOF);
    source->manager.next_input_byte = source->bytes;
    source->manager.bytes_in_buffer = got;
    return TRUE;
}

static void JpegSourceSkip(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& manager = *info->src;
    while (static_cast<unsigned long>(count) > manager.bytes_in_buffer) {
        count -= static_cast<long>(manager.bytes_in_buffer);
        JpegSourceFill(info);
    }
    manager.next_input_byte += count;
    manager.bytes_in_buffer -= static_cast<size_t>(count);
}

static void UseJpegSource(jpeg_decompress_struct& info, TJpegSource& source, FILE* file) {
    source.file = file;
    source.manager.init_source = JpegSourceStart;
    source.manager.fill_input_buffer = JpegSourceFill;
    source.manager.skip_input_data = JpegSourceSkip;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = JpegSourceEnd;
    source.manager.next_input_byte = nullptr;
    source.manager.bytes_in_buffer = 0;
    info.src = &source.manager;
}

// Rows are decoded straight into the picture as blue, green, red and an
// opaque alpha byte: the 0xAARRGGBB words of a little-endian machine.
int DecodeJpeg(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    const size_t fileBytes = static_cast<size_t>(std::max(0L, FileSize(path)));
    jpeg_decompress_struct info;
    TJpegError error;
    TJpegSource source;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFailed;
    error.manager.emit_message = JpegQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        pixels = std::vector<uint32_t>();
        return 0;
    }
    jpeg_create_decompress(&info);
    // A progressive picture is decoded into a buffer of the whole picture's
    // coefficients, zeroed first: a header of a few bytes could make it
    // claim hundreds of megabytes. Over the limit the decoder fails.
    info.mem->max_memory_to_use = JPEG_MEMORY_LIMIT;
    UseJpegSource(info, source, file);
    jpeg_read_header(&info, TRUE);
    if (!SideAllowed(info.image_width) || !SideAllowed(info.image_height) || error.warned) longjmp(error.jump, 1);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    pixels.clear();
    while (info.output_scanline < info.output_height && !error.warned) {
        int y = static_cast<int>(info.output_scanline);
        if (!GrowForRow(pixels, width, height, y, fileBytes)) longjmp(error.jump, 1);
        JSAMPROW rows[1] = {reinterpret_cast<JSAMPROW>(pixels.data() + static_cast<size_t>(y) * width)};
        jpeg_read_scanlines(&info, rows, 1);
    }
    if (error.warned) longjmp(error.jump, 1);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    if (error.warned) {
        pixels = std::vector<uint32_t>();
        return 0;
    }
    return 1;
}
