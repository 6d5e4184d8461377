#include "text/charset.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <limits>
#include <memory>

#include "text/icu_converter.h"

namespace quintara {
namespace {

bool fitsIcuLength(std::size_t length) {
    return length < static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4);
}

// The traditional-to-simplified mapping, one per thread: ICU's
// transliterators are not to be shared between threads.
const icu::Transliterator* simplifier() {
    thread_local const std::unique_ptr<icu::Transliterator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> created(icu::Transliterator::createInstance(
            icu::UnicodeString("Hant-Hans"), UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return instance.get();
}

}  // namespace

std::u16string decodeBytes(std::string_view bytes, const char* charset) {
    const IcuConverter converter = openIcuConverter(charset);
    if (!converter || !fitsIcuLength(bytes.size())) return {};
    // A byte seldom yields more than one UTF-16 unit: start with that much
    // room, and convert once more with the exact room when it was too little.
    std::u16string text(bytes.size() + 1, u'\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length =
            ucnv_toUChars(converter.get(), text.data(), static_cast<int32_t>(text.size()),
                          bytes.data(), static_cast<int32_t>(bytes.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            text.resize(static_cast<std::size_t>(length) + 1);
            ucnv_resetToUnicode(converter.get());
            continue;
        }
        if (U_FAILURE(status)) return {};
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    return {};
}

std::string encodeText(std::u16string_view text, const char* charset) {
    const IcuConverter converter = openIcuConverter(charset);
    if (!converter || !fitsIcuLength(text.size())) return {};
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter.get(), "?", 1, &status);
    const auto units = static_cast<int32_t>(text.size());
    std::string bytes(static_cast<std::size_t>(UCNV_GET_MAX_BYTES_FOR_STRING(
                          units, ucnv_getMaxCharSize(converter.get()))),
                      '\0');
    const int32_t length =
        ucnv_fromUChars(converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                        text.data(), units, &status);
    if (U_FAILURE(status)) return {};
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

std::string utf8ToGbk(std::string_view bytes) {
    return encodeText(decodeBytes(bytes, kUtf8), kGbk);
}

std::string big5ToSimplifiedGbk(std::string_view bytes) {
    const std::u16string traditional = decodeBytes(bytes, kBig5);
    const icu::Transliterator* mapping = simplifier();
    if (mapping == nullptr) return encodeText(traditional, kGbk);
    icu::UnicodeString text(traditional.data(), static_cast<int32_t>(traditional.size()));
    mapping->transliterate(text);
    return encodeText(
        std::u16string_view(text.getBuffer(), static_cast<std::size_t>(text.length())), kGbk);
}

}  // namespace quintara
