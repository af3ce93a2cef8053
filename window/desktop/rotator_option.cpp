#include "window/desktop/rotator_option.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kOption = "--rotator";

std::variant<std::optional<rotator::Address>, std::string> addressOf(std::string_view text,
                                                                     std::string_view source) {
  if (auto address = rotator::parseAddress(text)) return address;
  return std::string(source) + " « " + std::string(text) +
         " » : adresse invalide (HÔTE[:PORT], port de 1 à 65535)";
}

}  // namespace

std::variant<std::optional<rotator::Address>, std::string> rotatorOption(
    std::span<const std::string_view> arguments, const char* environment) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == kOption) {
      if (i + 1 == arguments.size()) return std::string(kOption) + " : il manque HÔTE[:PORT]";
      return addressOf(arguments[i + 1], kOption);
    }
    if (argument.starts_with(kOption) && argument.size() > kOption.size() &&
        argument[kOption.size()] == '=')
      return addressOf(argument.substr(kOption.size() + 1), kOption);
  }
  if (environment && *environment) return addressOf(environment, "TARVEL_ROTATOR");
  return std::optional<rotator::Address>();
}

}  // namespace tarvel
