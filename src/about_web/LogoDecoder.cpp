#include "about_web/LogoDecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h expects FILE and size_t to be declared
#include <utility>

#include <jpeglib.h>

namespace reelcase {

namespace {

// libjpeg's own error handler ends the process. This one jumps back to the setjmp that
// guards the libjpeg calls in progress. The jump crosses libjpeg's C frames and the handlers
// below only: nothing in them throws or owns anything.
struct ErrorHandler {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it leads back here
    std::jmp_buf escape;
};

[[noreturn]] void giveUp(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorHandler*>(info->err)->escape, 1);
}

// Level -1 is a warning: corrupt data or a premature end of the file.
void onMessage(j_common_ptr info, int level) {
    if (level < 0) {
        giveUp(info);
    }
}

void stayQuiet(j_common_ptr /*info*/) {}

struct Decoding {
    jpeg_decompress_struct info{};
    ErrorHandler errors{};
};

// The two steps below each guard their own libjpeg calls. After a jump they look at nothing
// but the state behind d, so no local is relied on past a longjmp.

bool start(Decoding* d, QByteArrayView jpeg) {
    if (setjmp(d->errors.escape) != 0) {
        return false;
    }
    jpeg_create_decompress(&d->info);
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(jpeg.data()),
                 static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&d->info, TRUE) != JPEG_HEADER_OK) {
        return false;
    }
    if (d->info.image_width > MaxPictureSide || d->info.image_height > MaxPictureSide) {
        return false;
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    return d->info.output_components == 3;
}

bool readRows(Decoding* d, unsigned char* pixels, std::size_t rowBytes) {
    if (setjmp(d->errors.escape) != 0) {
        return false;
    }
    while (d->info.output_scanline < d->info.output_height) {
        JSAMPROW row = pixels + static_cast<std::size_t>(d->info.output_scanline) * rowBytes;
        jpeg_read_scanlines(&d->info, &row, 1);
    }
    jpeg_finish_decompress(&d->info);
    return true;
}

}  // namespace

RgbPicture decodeJpeg(QByteArrayView jpeg) {
    RgbPicture picture;
    if (jpeg.isEmpty()) {
        return picture;
    }
    Decoding d;
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = giveUp;
    d.errors.base.emit_message = onMessage;
    d.errors.base.output_message = stayQuiet;
    if (start(&d, jpeg)) {
        const auto width = static_cast<std::size_t>(d.info.output_width);
        const auto height = static_cast<std::size_t>(d.info.output_height);
        std::vector<unsigned char> rgb(width * height * 3);
        if (readRows(&d, rgb.data(), width * 3)) {
            picture.width = static_cast<int>(width);
            picture.height = static_cast<int>(height);
            picture.rgb = std::move(rgb);
        }
    }
    // Frees libjpeg's memory, also after a failure part way; it reports no errors.
    jpeg_destroy_decompress(&d.info);
    return picture;
}

}  // namespace reelcase
