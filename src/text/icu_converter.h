// An ICU converter of one charset, closed when its owner goes.
#pragma once

#include <unicode/ucnv.h>

#include <memory>

namespace quintara {

struct IcuConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using IcuConverter = std::unique_ptr<UConverter, IcuConverterCloser>;

// The converter of `charset` ("GBK", "UTF-8"); none when ICU has no such one.
inline IcuConverter openIcuConverter(const char* charset) {
    UErrorCode status = U_ZERO_ERROR;
    IcuConverter converter(ucnv_open(charset, &status));
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

}  // namespace quintara
