#pragma once

#include <string>
#include <string_view>

namespace tarvel::calc {

// One result, written as "key":value pairs in JSON or as French words otherwise.
class ResultLine {
 public:
  ResultLine(std::string& out, bool json) : out_(out), json_(json) {
    if (json_) out_ += '{';
  }
  ~ResultLine() { out_ += json_ ? "}\n" : "\n"; }

  // The key in JSON, the French label otherwise; appends the value with `write`.
  template <typename Write>
  void field(std::string_view key, std::string_view label, Write write) {
    if (json_) {
      if (!first_) out_ += ',';
      out_ += '"';
      out_ += key;
      out_ += "\":";
    } else {
      if (!first_) out_ += " ; ";
      out_ += label;
    }
    first_ = false;
    write(out_);
  }
  bool json() const { return json_; }

 private:
  std::string& out_;
  bool json_;
  bool first_ = true;
};

}  // namespace tarvel::calc
