// The command line of quintara-fetch.
#pragma once

#include "net/background_request.h"

namespace CLI {
class App;
}

namespace quintara::fetch {

struct FetchArguments {
    BackgroundRequest request;
    bool showHeaders = false;  // -i: the raw header text and an empty line before the body
    bool showOutcome = false;  // -v: how the request ended, on standard error
};

// Declares the options of quintara-fetch on its command line; reading the
// command line fills in arguments, which must outlive it.
void declareOptions(CLI::App& commandLine, FetchArguments& arguments);

}  // namespace quintara::fetch
