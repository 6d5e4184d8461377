// What goes wrong with the archive, said for a person: the file and the
// reason ("…/draws.sqlite: file is not a database").
#pragma once

#include <stdexcept>
#include <string>

namespace quintara {

class ArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quintara
