// Writing PNG and JPEG files from 0xAARRGGBB pixels, for the generators of
// the data folder and the tests; the game itself never writes a picture.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "platform/writers/writers.h"

int SavePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, int withAlpha) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * height) return 0;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    int ok = 0;
    if (withAlpha) {
        image.format = PNG_FORMAT_BGRA;
        ok = png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), width * 4, nullptr);
    } else {
        image.format = PNG_FORMAT_RGB;
        std::vector<unsigned char> bytes(static_cast<size_t>(width) * height * 3);
        for (size_t i = 0; i < static_cast<size_t>(width) * height; i++) {
            bytes[i * 3] = static_cast<unsigned char>(pixels[i] >> 16);
            bytes[i * 3 + 1] = static_cast<unsigned char>(pixels[i] >> 8);
            bytes[i * 3 + 2] = static_cast<unsigned char>(pixels[i]);
        }
        ok = png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), width * 3, nullptr);
    }
    return ok ? 1 : 0;
}

struct TJpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

static void JpegFailed(j_common_ptr info) {
    TJpegError* error = reinterpret_cast<TJpegError*>(info->err);
    longjmp(error->jump, 1);
}

static void JpegQuiet(j_common_ptr, int) {}

int SaveJpeg(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, int quality) {
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<size_t>(width) * height) return 0;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    jpeg_compress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFailed;
    error.manager.emit_message = JpegQuiet;
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        std::fclose(file);
        return 0;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const uint32_t* in = pixels.data() + static_cast<size_t>(info.next_scanline) * width;
        for (int x = 0; x < width; x++) {
            row[x * 3] = static_cast<unsigned char>(in[x] >> 16);
            row[x * 3 + 1] = static_cast<unsigned char>(in[x] >> 8);
            row[x * 3 + 2] = static_cast<unsigned char>(in[x]);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
