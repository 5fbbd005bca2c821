// JPEG decoding straight through libjpeg. The library reports a fatal error by calling the error
// manager's error_exit, which must not return and must not throw through the library's C
// frames: it jumps back to the step that called the library, and our own code raises from there.
#include "toolkit/TJPEGImage.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

#include "toolkit/CanvasRaster_p.h"
#include "toolkit/TBitmap_p.h"

namespace {

constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;
constexpr std::size_t kChunk = 4096;

struct ErrorManager {
    jpeg_error_mgr library;  // first, so that the library's pointer is ours
    std::jmp_buf jump;
};

// libjpeg's source manager over a TStream, read in chunks.
struct StreamSource {
    jpeg_source_mgr library;  // first, as above
    TStream* stream = nullptr;
    std::exception_ptr failure;  // a stream error, raised again once the library is left
    JOCTET buffer[kChunk];
};

[[noreturn]] void errorExit(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

// Warnings are corrupt data: the picture would be wrong, so they end the decoding too.
void emitMessage(j_common_ptr info, int level) {
    if (level < 0) errorExit(info);
}

void outputMessage(j_common_ptr) {}

void initSource(j_decompress_ptr) {}

void termSource(j_decompress_ptr) {}

std::int64_t readChunk(StreamSource& source) {
    try {
        return source.stream->Read(source.buffer, kChunk);
    } catch (...) {
        source.failure = std::current_exception();
        return 0;
    }
}

// The end of the stream before the image's end is damage, not an image to be padded out.
boolean fillInput(j_decompress_ptr info) {
    auto* source = reinterpret_cast<StreamSource*>(info->src);
    const std::int64_t count = readChunk(*source);
    if (count <= 0) ERREXIT(info, JERR_INPUT_EOF);
    source->library.next_input_byte = source->buffer;
    source->library.bytes_in_buffer = static_cast<std::size_t>(count);
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    jpeg_source_mgr& source = *info->src;
    while (count > static_cast<long>(source.bytes_in_buffer)) {
        count -= static_cast<long>(source.bytes_in_buffer);
        fillInput(info);
    }
    if (count <= 0) return;
    source.next_input_byte += count;
    source.bytes_in_buffer -= static_cast<std::size_t>(count);
}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager errors;
    StreamSource source;
    QImage image;
    std::vector<JSAMPLE> row;
};

void createDecompressor(Decoding& d) { jpeg_create_decompress(&d.info); }

void readHeader(Decoding& d) {
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = d.info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
}

void startDecompress(Decoding& d) { jpeg_start_decompress(&d.info); }

void readPixels(Decoding& d) {
    const bool grey = d.info.output_components == 1;
    while (d.info.output_scanline < d.info.output_height) {
        auto* out = reinterpret_cast<QRgb*>(d.image.scanLine(static_cast<int>(d.info.output_scanline)));
        JSAMPROW row = d.row.data();
        jpeg_read_scanlines(&d.info, &row, 1);
        for (JDIMENSION x = 0; x < d.info.output_width; ++x) {
            const JSAMPLE* p = d.row.data() + x * d.info.output_components;
            out[x] = grey ? qRgb(p[0], p[0], p[0]) : qRgb(p[0], p[1], p[2]);
        }
    }
    jpeg_finish_decompress(&d.info);
}

// Runs one step of the library under the error manager's jump. Nothing with a destructor lives
// in this frame or in the library frames the jump crosses. False when the library gave up.
bool runStep(Decoding& d, void (*step)(Decoding&)) {
    if (setjmp(d.errors.jump) != 0) return false;
    step(d);
    return true;
}

struct DestroyDecompressor {
    jpeg_decompress_struct* info;
    ~DestroyDecompressor() { jpeg_destroy_decompress(info); }
};

[[noreturn]] void raise(Decoding& d) {
    if (d.source.failure) std::rethrow_exception(d.source.failure);
    throw EJPEG("JPEG error #" + std::to_string(d.errors.library.msg_code));
}

} // namespace

void TJPEGImage::LoadFromStream(TStream& stream) {
    auto d = std::make_unique<Decoding>();
    d->info.err = jpeg_std_error(&d->errors.library);
    d->errors.library.error_exit = errorExit;
    d->errors.library.emit_message = emitMessage;
    d->errors.library.output_message = outputMessage;
    if (!runStep(*d, createDecompressor)) raise(*d);
    const DestroyDecompressor destroy{&d->info};
    d->source.stream = &stream;
    d->source.library.init_source = initSource;
    d->source.library.fill_input_buffer = fillInput;
    d->source.library.skip_input_data = skipInput;
    d->source.library.resync_to_restart = jpeg_resync_to_restart;
    d->source.library.term_source = termSource;
    d->info.src = &d->source.library;

    if (!runStep(*d, readHeader)) raise(*d);
    // Checked before decompression starts: a progressive picture is decoded into a whole-image
    // buffer there, which for a few hundred damaged bytes can cost seconds and much memory. The
    // output is never scaled, so it has the declared size.
    const std::int64_t width = d->info.image_width;
    const std::int64_t height = d->info.image_height;
    if (width * height > kMaxPixels) throw EJPEG("JPEG image " + std::to_string(width) + " x " + std::to_string(height) + " is too large");
    if (!runStep(*d, startDecompress)) raise(*d);
    d->image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    d->row.resize(static_cast<std::size_t>(width * d->info.output_components));
    if (!runStep(*d, readPixels)) raise(*d);
    tk::setBitmapImage(bitmap_, d->image);
    grayscale_ = d->info.jpeg_color_space == JCS_GRAYSCALE;
}

void TJPEGImage::Assign(const TPersistent& source) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source)) {
        bitmap_.Assign(jpeg->bitmap_);
        grayscale_ = jpeg->grayscale_;
        transparent_ = jpeg->transparent_;
        return;
    }
    TGraphic::Assign(source);
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    copy->Assign(*this);
    return copy;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const {
    tk::stretchBlt(canvas.Impl(), rect, tk::bitmapImage(bitmap_), Rect(0, 0, Width(), Height()), canvas.CopyMode(),
                   std::nullopt);
}

void TJPEGImage::AssignTo(TPersistent& destination) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(&destination)) {
        bitmap->Assign(bitmap_);
        return;
    }
    TGraphic::AssignTo(destination);
}
