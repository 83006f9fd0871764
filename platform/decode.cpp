// Reading picture files: PNG through libpng, JPEG through libjpeg.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/platform.h"
#include "platform/platform_internal.h"

// A header may claim any size: the claim is checked before anything is
// allocated, and a picture the memory cannot hold is a failed load.
static int SideAllowed(unsigned long side) {
    return side > 0 && side <= static_cast<unsigned long>(MAX_PICTURE_SIDE);
}

// PNG pixels as BGRA bytes are 0xAARRGGBB words on a little-endian machine.
// The image has been begun from a file or from memory.
static int FinishPng(png_image& image, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha) {
    if (!SideAllowed(image.width) || !SideAllowed(image.height)) {
        png_image_free(&image);
        return 0;
    }
    hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    try {
        pixels.assign(static_cast<size_t>(width) * height, 0);
    } catch (const std::bad_alloc&) {
        png_image_free(&image);
        pixels = std::vector<uint32_t>();
        return 0;
    }
    if (!png_image_finish_read(&image, nullptr, pixels.data(), width * 4, nullptr)) {
        png_image_free(&image);
        pixels = std::vector<uint32_t>();
        return 0;
    }
    return 1;
}

int DecodePng(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return 0;
    return FinishPng(image, pixels, width, height, hasAlpha);
}

int DecodePngBytes(const unsigned char* bytes, size_t size, std::vector<uint32_t>& pixels, int& width, int& height,
                   int& hasAlpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes, size)) return 0;
    return FinishPng(image, pixels, width, height, hasAlpha);
}

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

int DecodeJpeg(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    jpeg_decompress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFailed;
    error.manager.emit_message = JpegQuiet;
    std::vector<unsigned char> row;
    int allocated = 1;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        pixels = std::vector<uint32_t>();
        return 0;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    if (!SideAllowed(info.image_width) || !SideAllowed(info.image_height) || error.warned) longjmp(error.jump, 1);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    try {
        pixels.assign(static_cast<size_t>(width) * height, 0);
        row.resize(static_cast<size_t>(width) * 3);
    } catch (const std::bad_alloc&) {
        allocated = 0;
    }
    if (!allocated) longjmp(error.jump, 1);
    while (info.output_scanline < info.output_height && !error.warned) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint32_t* out = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; x++) {
            out[x] = 0xFF000000u | (static_cast<uint32_t>(row[x * 3]) << 16) |
                     (static_cast<uint32_t>(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
        }
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
