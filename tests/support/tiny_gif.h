// A whole, valid GIF image of one white pixel, made byte by byte: header,
// screen of 1 × 1 with a two-colour table, one image, its LZW data (clear
// code, colour 0, end code) and the trailer.
#pragma once

#include <string>

namespace quintara::testing {

inline std::string tinyGif() {
    using namespace std::string_literals;
    return "GIF89a"s + "\x01\x00\x01\x00"s + "\x80\x00\x00"s  // 1 × 1, global table of 2
           + "\xff\xff\xff\x00\x00\x00"s                       // white, black
           + ","s + "\x00\x00\x00\x00\x01\x00\x01\x00\x00"s    // image at 0,0 of 1 × 1
           + "\x02\x02\x44\x01\x00"s                           // code size 2, one data block
           + ";"s;
}

}  // namespace quintara::testing
