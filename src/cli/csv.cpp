#include "cli/csv.h"

namespace reventa::cli {

std::optional<std::vector<std::string>> ReadCsvRecord(std::istream& in) {
  std::vector<std::string> fields;
  std::string field;
  bool quoted = false;
  bool any = false;
  int c;
  while ((c = in.get()) != EOF) {
    any = true;
    const char ch = static_cast<char>(c);
    if (quoted) {
      if (ch == '"') {
        if (in.peek() == '"') {
          in.get();
          field.push_back('"');
        } else {
          quoted = false;
        }
      } else {
        field.push_back(ch);
      }
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      fields.push_back(std::move(field));
      field.clear();
    } else if (ch == '\n') {
      if (!field.empty() && field.back() == '\r') field.pop_back();
      fields.push_back(std::move(field));
      return fields;
    } else {
      field.push_back(ch);
    }
  }
  if (!any) return std::nullopt;
  if (!field.empty() && field.back() == '\r') field.pop_back();
  fields.push_back(std::move(field));
  return fields;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

}  // namespace reventa::cli
