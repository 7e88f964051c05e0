// SPDX-License-Identifier: GPL-2.0-or-later
// The InpOut backend driven through a fake loader: where the library is
// looked for, what a missing DLL, a foreign DLL or a driver that did not
// start says, and that bytes pass through the library's Inp32/Out32.
#include "hw/inpout_port.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace lpt {
namespace {

// What the fake library's exports saw; one test at a time uses it.
struct LibraryState {
  std::vector<std::pair<int, int>> outs;
  std::vector<int> ins;
  short portByte = 0x1A5;  // high byte set: only the low byte is the port's
  int driverOpen = 1;
};
LibraryState* library = nullptr;

short LPTPIC_WINAPI FakeInp32(short address) {
  library->ins.push_back(address);
  return library->portByte;
}
void LPTPIC_WINAPI FakeOut32(short address, short value) {
  library->outs.emplace_back(address, value);
}
int LPTPIC_WINAPI FakeDriverOpen() { return library->driverOpen; }

struct FakeSystem {
  std::string programDir = "C:\\Tools\\lptpic";
  std::string systemDir = "C:\\Windows\\system32";
  std::vector<std::string> loadable;  // names LoadLibrary succeeds for
  std::uint32_t loadError = 126;
  std::map<std::string, LibraryFunction> exports = {
      {"Inp32", reinterpret_cast<LibraryFunction>(&FakeInp32)},
      {"Out32", reinterpret_cast<LibraryFunction>(&FakeOut32)},
      {"IsInpOutDriverOpen", reinterpret_cast<LibraryFunction>(&FakeDriverOpen)}};
  std::vector<std::string> loads;
  int loaded = 0;
  std::uint32_t error = 0;
};

class FakeLoader : public InpOutOs {
 public:
  explicit FakeLoader(FakeSystem& s) : s_(s) {}
  std::uint32_t LastOsError() const override { return s_.error; }
  std::string ProgramDirectory() override { return s_.programDir; }
  std::string SystemDirectory() override { return s_.systemDir; }
  OsHandle LoadLibrary(const std::string& name) override {
    s_.loads.push_back(name);
    for (const auto& n : s_.loadable)
      if (n == name) {
        ++s_.loaded;
        return 77;
      }
    s_.error = s_.loadError;
    return 0;
  }
  void FreeLibrary(OsHandle library) override {
    EXPECT_EQ(library, 77u);
    --s_.loaded;
  }
  LibraryFunction FindFunction(OsHandle, const char* name) override {
    const auto it = s_.exports.find(name);
    return it == s_.exports.end() ? nullptr : it->second;
  }

 private:
  FakeSystem& s_;
};

class InpOutPortTest : public ::testing::Test {
 protected:
  void SetUp() override { library = &state; }
  void TearDown() override { library = nullptr; }
  std::unique_ptr<InpOutPort> MakePort(const char* name = "inpoutx64.dll") {
    return std::make_unique<InpOutPort>(std::make_unique<FakeLoader>(sys), name);
  }
  LibraryState state;
  FakeSystem sys;
};

TEST(InpOutLibrary, NameFollowsTheProgramsWordSize) {
  EXPECT_STREQ(InpOutLibraryName(true), "inpoutx64.dll");
  EXPECT_STREQ(InpOutLibraryName(false), "inpout32.dll");
}

// Beside the program, then the system folder, always by full path: a bare
// name would take a DLL planted in the current folder.
TEST_F(InpOutPortTest, LoadsFromTheProgramFolderFirstThenTheSystemFolder) {
  struct Case {
    std::vector<std::string> loadable;
    std::vector<std::string> tried;
    std::string from;
  };
  const std::string beside = "C:\\Tools\\lptpic\\inpoutx64.dll";
  const std::string system = "C:\\Windows\\system32\\inpoutx64.dll";
  const Case cases[] = {
      {{beside, system, "inpoutx64.dll"}, {beside}, beside},
      {{system, "inpoutx64.dll"}, {beside, system}, system},
  };
  for (const Case& c : cases) {
    sys.loads.clear();
    sys.loadable = c.loadable;
    auto port = MakePort();
    EXPECT_TRUE(sys.loads.empty()) << "nothing is loaded before the port opens";
    port->SetOpened(true);
    ASSERT_TRUE(port->Opened());
    EXPECT_EQ(sys.loads, c.tried);
    EXPECT_EQ(port->LoadedFrom(), c.from);
    EXPECT_EQ(port->FailureReason(), "");
    port->SetOpened(false);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(sys.loaded, 0) << "closing frees the library";
  }
}

TEST_F(InpOutPortTest, AnUnknownFolderIsNotTakenForTheDriveRoot) {
  sys.programDir = "";
  sys.loadable = {"\\inpoutx64.dll", "inpoutx64.dll", "C:\\Windows\\system32\\inpoutx64.dll"};
  auto port = MakePort();
  port->SetOpened(true);
  EXPECT_TRUE(port->Opened());
  EXPECT_EQ(sys.loads, (std::vector<std::string>{"C:\\Windows\\system32\\inpoutx64.dll"}));
  sys.systemDir = "";
  sys.loads.clear();
  auto none = MakePort();
  none->SetOpened(true);
  EXPECT_FALSE(none->Opened());
  EXPECT_TRUE(sys.loads.empty());
  EXPECT_NE(none->FailureReason().find("(Windows error 126)"), std::string::npos);
}

TEST_F(InpOutPortTest, BytesGoThroughInp32AndOut32) {
  sys.loadable = {"C:\\Tools\\lptpic\\inpoutx64.dll"};
  auto port = MakePort();
  port->SetOpened(true);
  port->WritePort(0x378, 0x08);
  port->WritePort(0xBC00, 0xFF);
  EXPECT_EQ(port->ReadPort(0x379), 0xA5);
  EXPECT_TRUE(port->LastIoOk());
  EXPECT_EQ(state.outs, (std::vector<std::pair<int, int>>{{0x378, 0x08}, {short(0xBC00), 0xFF}}));
  EXPECT_EQ(state.ins, (std::vector<int>{0x379}));

  port.reset();
  EXPECT_EQ(sys.loaded, 0) << "destruction frees the library";
}

TEST_F(InpOutPortTest, FailuresNameTheFileAndWhatToDo) {
  struct Case {
    const char* what;
    std::vector<std::string> loadable;
    std::uint32_t loadError;
    const char* missingExport;
    int driverOpen;
    std::uint32_t error;
    std::vector<std::string> reasonParts;
  };
  const Case cases[] = {
      {"missing DLL",
       {},
       126,
       nullptr,
       1,
       126,
       {"inpoutx64.dll", "Windows error 126", "beside the program"}},
      {"32-bit DLL in a 64-bit program",
       {},
       193,
       nullptr,
       1,
       193,
       {"Windows error 193", "needs inpoutx64.dll"}},
      {"a DLL whose driver cannot start",
       {},
       1114,
       nullptr,
       1,
       1114,
       {"InpOut: C:\\Tools\\lptpic\\inpoutx64.dll could not be loaded (Windows error 1114)",
        "InpOut's driver", "administrator"}},
      {"another library of that name",
       {"C:\\Tools\\lptpic\\inpoutx64.dll"},
       0,
       "Inp32",
       1,
       127,
       {"inpoutx64.dll has no Inp32", "not the InpOut library"}},
      {"driver not installed",
       {"C:\\Tools\\lptpic\\inpoutx64.dll"},
       0,
       nullptr,
       0,
       6,
       {"driver did not start", "administrator"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeSystem fresh;
    sys = fresh;
    sys.loadable = c.loadable;
    sys.loadError = c.loadError;
    if (c.missingExport) sys.exports.erase(c.missingExport);
    state.driverOpen = c.driverOpen;
    auto port = MakePort();
    port->SetOpened(true);
    EXPECT_FALSE(port->Opened());
    EXPECT_EQ(port->LastError(), c.error);
    for (const std::string& part : c.reasonParts)
      EXPECT_NE(port->FailureReason().find(part), std::string::npos)
          << port->FailureReason() << "\nlacks: " << part;
    EXPECT_EQ(sys.loaded, 0) << "a library that cannot be used is freed at once";
    EXPECT_EQ(port->ReadPort(0x379), 0);
    port->WritePort(0x378, 1);
    EXPECT_FALSE(port->LastIoOk());
    EXPECT_TRUE(state.ins.empty() && state.outs.empty()) << "nothing reaches the library";
  }
}

TEST_F(InpOutPortTest, OldLibrariesWithoutTheDriverCheckAreUsed) {
  sys.loadable = {"C:\\Windows\\system32\\inpout32.dll"};
  sys.exports.erase("IsInpOutDriverOpen");
  auto port = MakePort("inpout32.dll");
  port->SetOpened(true);
  EXPECT_TRUE(port->Opened());
}

}  // namespace
}  // namespace lpt
