// The Content-Security-Policy of every reply: nothing may load but the page
// itself, whose one script and one style are allowed by their hashes, and
// its requests go to the server that served it.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// The policy for `page`: each inline <script> and <style> of it allowed by
// its SHA-256, nothing else from anywhere but connections to 'self'.
[[nodiscard]] std::string contentSecurityPolicy(std::string_view page);

}  // namespace quintara
