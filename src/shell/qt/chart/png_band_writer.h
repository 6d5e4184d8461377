// A PNG picture written band after band of pixel rows, as they are painted,
// so that a tall chart never stands whole in memory. It squeezes for speed
// (no row filter, zlib's fastest level): Qt's own writer tries every filter
// on every row, which on a chart of 1000 rows took twice as long for a file
// hardly smaller.
#pragma once

#include <QImage>
#include <QIODevice>
#include <QSize>

#include <png.h>

namespace quintara::qt {

class PngBandWriter {
public:
    // A picture of `size` pixels into `out`.
    PngBandWriter(QIODevice& out, QSize size);
    ~PngBandWriter();
    PngBandWriter(const PngBandWriter&) = delete;
    PngBandWriter& operator=(const PngBandWriter&) = delete;

    // Writes the first `rows` pixel rows of `band` (Format_RGB32, as wide
    // as the picture) as the picture's next rows. False once anything
    // failed.
    bool write(const QImage& band, int rows);
    // Ends the picture: true when all of it was written, every row there.
    bool finish();

private:
    static void writeBytes(png_structp png, png_bytep bytes, png_size_t count);
    static void flush(png_structp png);

    QIODevice& out_;
    QSize size_;
    int rowsWritten_ = 0;
    bool failed_ = false;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

}  // namespace quintara::qt
