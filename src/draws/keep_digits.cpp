#include "draws/keep_digits.h"

#include <algorithm>
#include <iterator>

namespace quintara {

std::string keepDigits(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

}  // namespace quintara
