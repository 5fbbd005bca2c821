// Compression into memory: the library grows its own buffer, which is copied out and freed. The
// input is our own bitmap, so nothing here can fail short of running out of memory, which the
// library reports through its default error manager by ending the process.
#include "makepictures/JpegFile.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "toolkit/TCanvas.h"

namespace pictures {

std::string jpegFile(TBitmap& bitmap, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* memory = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &memory, &size);
    info.image_width = static_cast<JDIMENSION>(bitmap.Width());
    info.image_height = static_cast<JDIMENSION>(bitmap.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, /*force_baseline=*/TRUE);
    jpeg_start_compress(&info, TRUE);

    const TCanvas& canvas = *bitmap.Canvas();
    std::vector<JSAMPLE> row(static_cast<size_t>(bitmap.Width()) * 3);
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor color = canvas.Pixels(x, y);
            const size_t at = static_cast<size_t>(x) * 3;
            row[at] = static_cast<JSAMPLE>(color & 0xFF);
            row[at + 1] = static_cast<JSAMPLE>((color >> 8) & 0xFF);
            row[at + 2] = static_cast<JSAMPLE>((color >> 16) & 0xFF);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<const char*>(memory), size);
    std::free(memory);
    return bytes;
}

} // namespace pictures
