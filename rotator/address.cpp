#include "rotator/address.hpp"

#include <charconv>

namespace tarvel::rotator {
namespace {

std::optional<std::uint16_t> portOf(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || value == 0 || value > 65535)
    return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

std::optional<Address> hostAndPort(std::string_view host, std::optional<std::string_view> port) {
  if (host.empty()) return std::nullopt;
  if (!port) return Address{std::string(host), kDefaultPort};
  const auto number = portOf(*port);
  if (!number) return std::nullopt;
  return Address{std::string(host), *number};
}

}  // namespace

std::optional<Address> parseAddress(std::string_view text) {
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty() && !rest.starts_with(':')) return std::nullopt;
    return hostAndPort(text.substr(1, close - 1),
                       rest.empty() ? std::nullopt : std::optional(rest.substr(1)));
  }
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || text.find(':', colon + 1) != std::string_view::npos)
    return hostAndPort(text, std::nullopt);
  return hostAndPort(text.substr(0, colon), text.substr(colon + 1));
}

std::string addressText(const Address& address) {
  const bool ipv6 = address.host.find(':') != std::string::npos;
  return (ipv6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

}  // namespace tarvel::rotator
