#include "sample/remark_writer.h"

#include "sample/record_frame.h"

namespace vx {

bool RemarkWriter::Append(int register_number, bool register_remark, std::string_view condition,
                          size_t parish, std::string& out) {
  const Remark* remark =
      vocabulary_.RemarkFor(register_number, register_remark, condition, random_);
  if (remark == nullptr) return false;
  if (!out.empty()) out += '\n';
  Expand(remark->text, parish, out);
  return true;
}

void RemarkWriter::AppendLong(int register_number, std::string_view condition, size_t parish,
                              int lines, std::string& out) {
  if (!Append(register_number, false, condition, parish, out)) {
    Append(register_number, false, "", parish, out);
  }
  for (int i = 1; i < lines; ++i)
    Append(register_number, false, "", parish, out);
}

void RemarkWriter::Expand(std::string_view text, size_t parish, std::string& out) {
  const SampleData& data = vocabulary_.data();
  while (!text.empty()) {
    const size_t open = text.find('{');
    const size_t close = open == std::string_view::npos ? open : text.find('}', open);
    if (close == std::string_view::npos) {
      out += text;
      return;
    }
    out += text.substr(0, open);
    const std::string_view name = text.substr(open + 1, close - open - 1);
    if (name == "ort") {
      out += data.places[vocabulary_.PlaceIn(parish, random_)].name;
    } else if (name == "socken") {
      size_t other = vocabulary_.AnyParish(random_);
      if (other == parish) other = (other + 1) % data.parishes.size();
      out += data.parishes[other].name;
    } else if (name == "namn" || name == "kvinna") {
      speller_.AppendWrittenName(name == "namn" ? 'm' : 'k', speller_.year() - 35, out);
    } else if (name == "tal") {
      AppendNumber(random_.Between(2, 12), out);
    } else {
      out += text.substr(open, close - open + 1);
    }
    text.remove_prefix(close + 1);
  }
}

}  // namespace vx
