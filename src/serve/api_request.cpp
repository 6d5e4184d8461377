#include "serve/api_request.h"

#include "serve/api_json.h"

namespace quintara {

ApiReply errorReply(int status, std::string_view text) { return {.status = status, .body = errorJson(text)}; }

}  // namespace quintara
