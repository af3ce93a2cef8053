#include "tests/runner/key_text.hpp"

#include <charconv>
#include <map>
#include <string>

#include "tests/runner/scenario_file.hpp"
#include "window/model/code_page.hpp"
#include "window/model/controls.hpp"
#include "window/model/utf8.hpp"

namespace tarvel::scenarios {
namespace {

Key character(std::int16_t code) {
  return {Key::Kind::Character, code, EditKey::End};
}
Key editing(EditKey key) {
  return {Key::Kind::Editing, 0, key};
}

const std::map<std::string, Key, std::less<>> kNamedKeys = {
    {"Enter", character(key::kEnter)},
    {"Back", character(key::kBackspace)},
    {"Esc", character(key::kEscape)},
    {"Ctrl+V", character(key::kCtrlV)},
    {"Del", editing(EditKey::Delete)},
    {"Home", editing(EditKey::Home)},
    {"End", editing(EditKey::End)},
    {"Left", editing(EditKey::Left)},
    {"Right", editing(EditKey::Right)},
    {"Tab", {Key::Kind::Tab, 0, EditKey::End}},
    {"Shift+Tab", {Key::Kind::BackTab, 0, EditKey::End}},
    {"F1", {Key::Kind::Function, 0, EditKey::End, FunctionKey::F1}},
    {"F2", {Key::Kind::Function, 0, EditKey::End, FunctionKey::F2}},
    {"Shift+F1", {Key::Kind::Function, 0, EditKey::End, FunctionKey::ShiftF1}},
    {"F7", {Key::Kind::Function, 0, EditKey::End, FunctionKey::F7}},
    {"F8", {Key::Kind::Function, 0, EditKey::End, FunctionKey::F8}},
};

Key namedKey(std::string_view name, int line) {
  if (name.starts_with("C:")) {
    int code = -1;
    const auto digits = name.substr(2);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (error != std::errc() || end != digits.data() + digits.size() || code < 0 || code > 255)
      throw SyntaxError(line, "{C:NNN} takes a code from 0 to 255");
    return character(static_cast<std::int16_t>(code));
  }
  const auto found = kNamedKeys.find(name);
  if (found == kNamedKeys.end()) throw SyntaxError(line, "unknown key {" + std::string(name) + "}");
  return found->second;
}

}  // namespace

std::vector<Key> keysOf(std::string_view text, int line) {
  std::vector<Key> keys;
  const std::u32string characters = utf8::decode(text);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (characters[i] != U'{') {
      keys.push_back(character(cp1252::fromUnicode(characters[i])));
      continue;
    }
    const std::size_t close = characters.find(U'}', i);
    if (close == std::u32string::npos) throw SyntaxError(line, "unclosed { in the keys");
    keys.push_back(namedKey(utf8::encode(characters.substr(i + 1, close - i - 1)), line));
    i = close;
  }
  return keys;
}

}  // namespace tarvel::scenarios
