// HOST[:PORT] as the user types it.
#include <gtest/gtest.h>

#include <vector>

#include "rotator/address.hpp"

namespace tarvel::rotator {
namespace {

struct AddressCase {
  const char* text;
  const char* expected;  // as messages show it; none when refused
};

TEST(Address, ReadsHostAndPort) {
  const std::vector<AddressCase> cases{
      {"127.0.0.1", "127.0.0.1:4533"},
      {"shack-pi.local:4535", "shack-pi.local:4535"},
      {"[::1]:4600", "[::1]:4600"},
      {"[::1]", "[::1]:4533"},
      {"fe80::1", "[fe80::1]:4533"},
      {"rotor:65535", "rotor:65535"},
      {"", nullptr},
      {":4533", nullptr},
      {"rotor:", nullptr},
      {"rotor:0", nullptr},
      {"rotor:65536", nullptr},
      {"rotor:45x", nullptr},
      {"rotor:-1", nullptr},
      {"[::1", nullptr},
      {"[::1]4533", nullptr},
      {"[]:4533", nullptr},
  };
  for (const AddressCase& c : cases) {
    SCOPED_TRACE(c.text);
    const auto address = parseAddress(c.text);
    ASSERT_EQ(address.has_value(), c.expected != nullptr);
    if (address) {
      EXPECT_EQ(addressText(*address), c.expected);
    }
  }
}

}  // namespace
}  // namespace tarvel::rotator
