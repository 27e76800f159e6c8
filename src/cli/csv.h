// RFC 4180 reading and writing for the tool's batch mode.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace reventa::cli {

// Reads one record (fields may be quoted and hold commas, quotes and line breaks);
// empty when the stream is at its end. A trailing carriage return is dropped.
std::optional<std::vector<std::string>> ReadCsvRecord(std::istream& in);

// One field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

}  // namespace reventa::cli
