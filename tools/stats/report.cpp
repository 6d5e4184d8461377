#include "report.h"

#include <array>
#include <cstdio>

#include "stats/statistics.h"

namespace quintara::stats_tool {
namespace {

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
        for (const std::string_view name : kStatisticsLists) {
            appendText(out, name, window.listView(name));
        }
        return out;
    }
    out = "{\"lists\":[";
    for (std::size_t index = 0; index < kStatisticsLists.size(); ++index) {
        if (index > 0) out += ",";
        appendJson(out, kStatisticsLists[index], window.listView(kStatisticsLists[index]));
    }
    return out += "]}\n";
}

}  // namespace quintara::stats_tool
