#include "net/page_fetch.h"

#include "net/http_get.h"

namespace quintara {

PageFetch::PageFetch(std::string address, Arrived arrived)
    : worker_([address = std::move(address), arrived = std::move(arrived)](std::stop_token stop) {
          HttpGetResult page = fetchResource(address, kResourceGetPolicy, stop);
          if (!stop.stop_requested()) arrived(std::move(page.body));
      }) {}

}  // namespace quintara
