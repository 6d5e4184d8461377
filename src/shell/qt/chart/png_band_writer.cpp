#include "shell/qt/chart/png_band_writer.h"

#include <csetjmp>

namespace quintara::qt {
namespace {

// libpng ends a call that fails by a long jump back to the setjmp of the
// call's caller, which then only says so: the functions that set it hold no
// object that a jump would skip the end of. Nothing is printed.
[[noreturn]] void jumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void noWarning(png_structp, png_const_charp) {}

}  // namespace

PngBandWriter::PngBandWriter(QIODevice& out, QSize size) : out_(out), size_(size) {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, noWarning);
    info_ = png_ == nullptr ? nullptr : png_create_info_struct(png_);
    if (info_ == nullptr) {
        failed_ = true;
        return;
    }
    if (setjmp(png_jmpbuf(png_))) {
        failed_ = true;
        return;
    }
    png_set_write_fn(png_, this, writeBytes, flush);
    png_set_IHDR(png_, info_, static_cast<png_uint_32>(size.width()), static_cast<png_uint_32>(size.height()),
                 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png_, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png_, 1);
    png_write_info(png_, info_);
    // A pixel of Format_RGB32 is a 32-bit 0xffRRGGBB: blue, green, red and
    // a filler byte in memory on a little-endian machine.
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        png_set_bgr(png_);
        png_set_filler(png_, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png_, 0, PNG_FILLER_BEFORE);
    }
}

PngBandWriter::~PngBandWriter() { png_destroy_write_struct(&png_, &info_); }

bool PngBandWriter::write(const QImage& band, int rows) {
    if (failed_ || band.format() != QImage::Format_RGB32 || band.width() != size_.width() ||
        rows > band.height() || rowsWritten_ + rows > size_.height()) {
        failed_ = true;
        return false;
    }
    if (setjmp(png_jmpbuf(png_))) {
        failed_ = true;
        return false;
    }
    for (int row = 0; row < rows; ++row) {
        png_write_row(png_, band.constScanLine(row));
    }
    rowsWritten_ += rows;
    return !failed_;
}

bool PngBandWriter::finish() {
    if (failed_ || rowsWritten_ != size_.height()) return false;
    if (setjmp(png_jmpbuf(png_))) return false;
    png_write_end(png_, nullptr);
    return !failed_;
}

void PngBandWriter::writeBytes(png_structp png, png_bytep bytes, png_size_t count) {
    auto& writer = *static_cast<PngBandWriter*>(png_get_io_ptr(png));
    // A failed write leaves the rest unwritten; write and finish say so.
    if (writer.failed_) return;
    writer.failed_ = writer.out_.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(count)) !=
                     static_cast<qint64>(count);
}

void PngBandWriter::flush(png_structp) {}

}  // namespace quintara::qt
