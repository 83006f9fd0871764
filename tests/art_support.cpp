// PNG and JPEG readers for the picture tests.
#include "art_support.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <cstdio>

std::string ArtRunDir() { return std::string(GLD_RUN_DIR) + "/"; }

bool ReadArtPng(const std::string& path, TArtPicture& out) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_BGRA;   // little-endian 0xAARRGGBB words
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0);
    bool ok = png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

namespace {
struct TJpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};
void JpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1); }
}  // namespace

bool ReadArtJpeg(const std::string& path, TArtPicture& out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    jpeg_decompress_struct info;
    TJpegError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = JpegFail;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0);
    std::vector<unsigned char> row(static_cast<size_t>(out.width) * 3);
    while (info.output_scanline < info.output_height) {
        int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < out.width; x++)
            out.pixels[static_cast<size_t>(y) * out.width + x] =
                0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return true;
}
