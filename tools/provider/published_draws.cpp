#include "published_draws.h"

#include <fstream>

#include "draw_texts.h"

namespace quintara::provider {

std::string publishedCsv(std::span<const Draw> draws) {
    std::string csv = "issue,digits\n";
    for (const Draw& draw : draws) {
        const std::string issue = issueText(draw, YearDigits::Four);
        csv.append(issue, 0, 8).append("-").append(issue, 8).append(",").append(draw.digits).append("\n");
    }
    return csv;
}

bool writePublished(const std::filesystem::path& file, std::span<const Draw> draws) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << publishedCsv(draws);
    out.close();
    return !out.fail();
}

}  // namespace quintara::provider
