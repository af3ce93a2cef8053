#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where rotctld listens: HOST[:PORT], as the command line, the window's option and the
// environment variable TARVEL_ROTATOR write it. rotctld has no authentication: the loopback,
// unless the user says otherwise.
namespace tarvel::rotator {

inline constexpr std::string_view kDefaultHost = "127.0.0.1";
inline constexpr std::uint16_t kDefaultPort = 4533;  // rotctld's own

struct Address {
  std::string host;  // a name or a numeric address, IPv6 without its brackets
  std::uint16_t port = kDefaultPort;
};

// HOST, HOST:PORT, [IPV6] or [IPV6]:PORT, and a bare IPv6 address (more than one colon) with the
// default port; none for an empty host or a port that is not 1 to 65535.
std::optional<Address> parseAddress(std::string_view text);

// As messages show it: "127.0.0.1:4533", "[::1]:4533".
std::string addressText(const Address& address);

}  // namespace tarvel::rotator
