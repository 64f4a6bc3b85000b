#include "platform/library_loader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/fake_env.h"

namespace fernwatch {
namespace {

TEST(LibraryLoaderTest, TheStandInLoadsByPathAndAMissingFunctionIsNamed) {
  LibraryFault fault;
  LibraryHandle library = LoadSharedLibrary(FERNWATCH_STAND_IN_LIBRARY, &fault);
  ASSERT_NE(nullptr, library);
  EXPECT_EQ(LibraryFaultKind::kNone, fault.Kind);
  EXPECT_NE(nullptr, SharedLibraryFunction(library, "RfcOpen", &fault));
  EXPECT_EQ(LibraryFaultKind::kNone, fault.Kind);

  EXPECT_EQ(nullptr, SharedLibraryFunction(library, "RfcOpenW", &fault));
  EXPECT_EQ(LibraryFaultKind::kFunctionMissing, fault.Kind);
  EXPECT_STREQ("RfcOpenW", fault.Function.c_str());
  EXPECT_STREQ(FERNWATCH_STAND_IN_LIBRARY, fault.File.c_str());
  EXPECT_NE(std::string::npos, std::string(fault.Reason.c_str()).find("RfcOpenW")) << "dlerror()";
}

// Each file that cannot serve is told apart by what it is, not only by
// what dlopen says about it.
TEST(LibraryLoaderTest, AFileThatDoesNotLoadSaysWhy) {
  ScratchDirectory dir;
  std::string elf32("\177ELF\001\001\001", 7);
  elf32.resize(64, '\0');
  dir.Write("elf32.so", elf32);
  dir.Write("text.so", "not a library\n");
  mkdir((dir.path() + "/folder.so").c_str(), 0700);

  LibraryFault fault;
  EXPECT_EQ(nullptr, LoadSharedLibrary((dir.path() + "/elf32.so").c_str(), &fault));
  EXPECT_EQ(LibraryFaultKind::kOtherBitness, fault.Kind);
  EXPECT_EQ(32, fault.FileBits);
  EXPECT_EQ(dir.path() + "/elf32.so", fault.File.c_str());

  EXPECT_EQ(nullptr, LoadSharedLibrary((dir.path() + "/text.so").c_str(), &fault));
  EXPECT_EQ(LibraryFaultKind::kNotLoadable, fault.Kind);
  EXPECT_FALSE(fault.IsFolder);
  EXPECT_FALSE(fault.Reason.empty()) << "dlerror()";

  EXPECT_EQ(nullptr, LoadSharedLibrary((dir.path() + "/folder.so").c_str(), &fault));
  EXPECT_EQ(LibraryFaultKind::kNotLoadable, fault.Kind);
  EXPECT_TRUE(fault.IsFolder);

  EXPECT_EQ(nullptr, LoadSharedLibrary((dir.path() + "/librfc32.so").c_str(), &fault));
  EXPECT_EQ(LibraryFaultKind::kMissing, fault.Kind);
  EXPECT_STREQ("librfc32.so", fault.File.c_str());
  EXPECT_EQ(dir.path(), fault.Places.c_str());
}

}  // namespace
}  // namespace fernwatch
