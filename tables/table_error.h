// The one exception type of the table store. Its text is Windows-1252 and
// names the file concerned, so the front ends can show it as it is.
#pragma once

#include <stdexcept>
#include <string>

namespace tv::tables {

class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tv::tables
