// The token that a served watcher asks of every request: sent as
// "Authorization: Bearer TOKEN" or as ?token=TOKEN (the page passes it on to
// its own requests that way), and compared in constant time.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintara {

class AccessToken {
public:
    // A usable token: 1 to 512 visible ASCII characters (no space), so that
    // it goes into a header and a query as it is; none for anything else.
    [[nodiscard]] static std::optional<AccessToken> of(std::string_view token);
    // The first line of a token file, spaces and line ends around it taken
    // off; none as for `of`.
    [[nodiscard]] static std::optional<AccessToken> ofFileText(std::string_view text);

    // Whether `presented` is the token. Both are hashed first, so that the
    // time taken tells nothing of the token, its length included.
    [[nodiscard]] bool admits(std::string_view presented) const;

private:
    using Digest = std::array<unsigned char, 32>;
    explicit AccessToken(const Digest& digest) : digest_(digest) {}

    Digest digest_;
};

// The token a request presents: the Authorization header's bearer token,
// else the token parameter; none when it carries neither.
[[nodiscard]] std::optional<std::string_view> presentedToken(std::string_view authorization,
                                                             const std::string* tokenParameter);

}  // namespace quintara
