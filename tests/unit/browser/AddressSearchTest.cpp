#include "browser/AddressSearch.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "TempDir.h"
#include "browser/HostsFile.h"

namespace corvane {
namespace {

using Names = std::set<std::string>;

TEST(AddressSearchTest, OnlyWordsAreTurnedIntoTheEngineChosenAtTheTime) {
  std::string engine = "https://one.test/?q=%s";
  const AddressSearch search({"/home/ann", "", {}, ""}, [&] { return engine; });
  EXPECT_EQ(search.NavigationAddress(" two words "), "https://one.test/?q=two%20words");
  engine = "https://two.test/%s/%s";
  EXPECT_EQ(search.NavigationAddress("w"), "https://two.test/w/w");
  for (const char* typed : {" Example.com/a b ", "", "bad:address", "~/a b.html"}) {
    EXPECT_EQ(search.NavigationAddress(typed), typed);
  }
  // Settings that cannot be read leave words to the control, which refuses them.
  const AddressSearch broken({"", "", {}, ""},
                             []() -> std::string { throw std::runtime_error(""); });
  EXPECT_EQ(broken.NavigationAddress("two words"), "two words");
}

TEST(AddressSearchTest, TheHostsFileNamesItsHostsInLowerCase) {
  EXPECT_EQ(HostsFile::Names("127.0.0.1\tlocalhost\n"
                             "# 10.0.0.9 commented\n"
                             "  10.0.0.2 NAS nas.home   # the file server\n"
                             "::1 ip6-localhost ip6-loopback\r\n"
                             "10.0.0.3\n"),
            (Names{"localhost", "nas", "nas.home", "ip6-localhost", "ip6-loopback"}));
  TempDir folder;
  folder.writeFile("hosts", "10.0.0.4 printer\n");
  EXPECT_EQ(HostsFile::Read((folder.path() / "hosts").string()), Names{"printer"});
  EXPECT_EQ(HostsFile::Read((folder.path() / "missing").string()), Names{});
  EXPECT_EQ(HostsFile::Read(folder.path().string()), Names{});
}

}  // namespace
}  // namespace corvane
