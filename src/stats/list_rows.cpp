#include "stats/list_rows.h"

#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace quintara {
namespace {

constexpr std::size_t kNumberRoom = 11;  // "-2147483648"
constexpr std::size_t kUnitRoom = 16;    // " 期" takes 4 bytes

}  // namespace

void appendCountRow(ListView& list, std::string_view label, int count, std::string_view suffix,
                    RowDetail* detail) {
    if (suffix.size() > kUnitRoom) throw std::length_error("list row: unit too long");
    // The lists are rewritten on every refresh: the text is built on the
    // stack, not on the heap.
    std::array<char, kNumberRoom + kUnitRoom> text;
    char* end = std::to_chars(text.data(), text.data() + kNumberRoom, count).ptr;
    std::memcpy(end, suffix.data(), suffix.size());
    end += suffix.size();

    const int item = list.appendItem();
    list.setItemText(item, 0, label);
    list.setItemText(item, 1, std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
    if (detail != nullptr) list.setItemDetail(item, std::move(*detail));
}

}  // namespace quintara
