#include "pages.h"

#include "banner.h"

namespace quintara::provider {
namespace {

// A whole page around its body; the head holds no "==", so the version
// page's first marker is the one in its body.
std::string page(std::string_view title, std::string_view body) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head><meta charset=\"utf-8\"><title>" +
           std::string(title) +
           "</title></head>\n<body style=\"font-family: sans-serif; margin: 2em;\">\n" +
           std::string(body) + "</body>\n</html>\n";
}

}  // namespace

std::string versionPage() {
    return page("Quintara releases", "<h1>Quintara releases</h1>\n<p>Current version: ==" +
                                         std::string(kPublishedVersion) + "==</p>\n");
}

std::string makerPage() {
    return page(
        "Quintara",
        "<h1>Quintara</h1>\n"
        "<p>Hot-and-cold statistics for the five-digit game: omissions, frequencies, digit pairs, "
        "sum tails, spans and big/small/odd/even patterns.</p>\n"
        "<p><img src=\"/jzm.gif\" width=\"" +
            std::to_string(kBannerWidth) + "\" height=\"" + std::to_string(kBannerHeight) +
            "\" alt=\"\"></p>\n"
            "<p>This page comes from the bundled demo provider, which draws a simulated game on "
            "this "
            "computer. What it serves:</p>\n<ul>\n"
            "<li><a href=\"/static/public/ssc/xml/historyopen.xml\">the history feed</a></li>\n"
            "<li><a href=\"/static/ssc/newlyopenlist.xml\">the newly-open list</a></li>\n"
            "<li><a href=\"/lottery/kcflash!getDataForCqsscFlash.jhtml\">the flash data</a></li>\n"
            "<li><a href=\"/post-7143278-108926659-1.shtml\">the version page</a></li>\n"
            "</ul>\n");
}

std::string viewerPage() {
    return page("Quintara", "<p>Quintara: hot-and-cold statistics for the five-digit game.</p>\n");
}

}  // namespace quintara::provider
