#include "text/keep_digits.h"

#include <algorithm>
#include <iterator>

#include "text/numbers.h"

namespace quintara {

std::string keepDigits(std::string_view text) {
    std::string digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), isDigit);
    return digits;
}

}  // namespace quintara
