#include "report.h"

#include <array>
#include <cstdio>

namespace quintara::stats_tool {
namespace {

constexpr std::array<std::string_view, 18> kPrintedLists{
    "超级列表框_万遗漏",       "超级列表框_千遗漏",       "超级列表框_百遗漏",
    "超级列表框_十遗漏",       "超级列表框_个遗漏",       "超级列表框_全遗漏",
    "超级列表框_出现次数",     "超级列表框_出现次数中三", "超级列表框_出现次数前三",
    "超级列表框_出现次数五星", "超级列表框_出现次数五星双胆", "超级列表框_杀合尾",
    "超级列表框_杀跨度",       "超级列表框_胆码",         "超级列表框_胆码前三",
    "超级列表框_胆码中三",     "超级列表框_胆码后三",     "超级列表框_混选"};

void appendText(std::string& out, std::string_view name, const ListView& list) {
    out.append("[").append(name).append("]\n");
    for (int item = 0; item < list.itemCount(); ++item) {
        out.append(list.itemText(item, 0)).append("\t").append(list.itemText(item, 1)).append("\n");
    }
}

void appendJson(std::string& out, std::string_view name, const ListView& list) {
    out.append("{\"name\":").append(jsonString(name)).append(",\"rows\":[");
    for (int item = 0; item < list.itemCount(); ++item) {
        if (item > 0) out.append(",");
        out.append("[").append(jsonString(list.itemText(item, 0))).append(",");
        out.append(jsonString(list.itemText(item, 1))).append("]");
    }
    out.append("]}");
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char character : text) {
        switch (character) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\b': quoted += "\\b"; break;
            case '\f': quoted += "\\f"; break;
            case '\n': quoted += "\\n"; break;
            case '\r': quoted += "\\r"; break;
            case '\t': quoted += "\\t"; break;
            default:
                if (static_cast<unsigned char>(character) < 0x20) {
                    std::array<char, 7> escape;
                    std::snprintf(escape.data(), escape.size(), "\\u%04x", static_cast<unsigned>(character));
                    quoted += escape.data();
                } else {
                    quoted += character;  // UTF-8 bytes pass as they are
                }
        }
    }
    return quoted += '"';
}

std::string report(const Window& window, OutputFormat format) {
    std::string out;
    if (format == OutputFormat::Text) {
        for (const std::string_view name : kPrintedLists) appendText(out, name, window.listView(name));
        return out;
    }
    out = "{\"lists\":[";
    for (std::size_t index = 0; index < kPrintedLists.size(); ++index) {
        if (index > 0) out += ",";
        appendJson(out, kPrintedLists[index], window.listView(kPrintedLists[index]));
    }
    return out += "]}\n";
}

}  // namespace quintara::stats_tool
