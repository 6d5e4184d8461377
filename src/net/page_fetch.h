// A page fetched on a thread of its own while the caller goes on, as the
// hidden HTML viewer loads its page: the body goes to `arrived` on that
// thread. Ending the object stops the fetch at once and waits for its
// thread, so `arrived` is never called after that.
#pragma once

#include <functional>
#include <string>
#include <thread>

namespace quintara {

class PageFetch {
public:
    // The body is empty when the page could not be fetched.
    using Arrived = std::function<void(std::string body)>;

    PageFetch(std::string address, Arrived arrived);

private:
    std::jthread worker_;  // stopped and joined when it dies
};

}  // namespace quintara
