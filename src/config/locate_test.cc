#include "config/locate.h"

#include <gtest/gtest.h>

#include <string>

#include "config/locate_steps.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

const char kExeXml[] = "PRTG Network Monitor/Custom Sensors/ExeXml/";

// The message of the fault, empty when the start file was located.
std::string Message(const LocateFault& fault) {
  std::string message = LocateFaultMessage(fault).c_str();
  EXPECT_EQ(fault.Failed(), !message.empty());
  return message;
}

struct NameCase {
  const char* given;
  const char* directory;
  const char* name;
  const char* listing;
};

using ProfileName = RunRecordTest;

// Completion at start, then the directory split of the location.
TEST_F(ProfileName, CompletedAndSplit) {
  const NameCase cases[] = {
      {"PRD", "", "PRD.P00", ""},
      {"prd.p01", "", "prd.p01", ""},
      {"PRD.TXT", "", "PRD.TXT", ""},
      {".P0", "", ".P0.P00", ""},
      {"global", "", "SAP Lodestar.Gbl", "X"},
      {"Global.P00", "", "SAP Lodestar.Gbl", "X"},
      {"GLOBAL.P01", "", "GLOBAL.P01", ""},
      {"D:\\Sensors\\PRD", "D:\\Sensors\\", "PRD.P00", ""},
      {"D:\\x.y\\PRD", "D:\\x.y\\", "PRD.P00", ""},
      {"D:\\Sensors\\GLOBAL", "D:\\Sensors\\", "SAP Lodestar.Gbl", "X"},
      {"\\PRD", "", "\\PRD.P00", ""},
      {"\\\\host\\PRD", "\\\\host\\", "PRD.P00", ""},
      // '/' splits as '\\' does, whichever comes last.
      {"../../x/S", "../../x/", "S.P00", ""},
      {"a\\b/c", "a\\b/", "c.P00", ""},
      {"a/b\\c", "a/b\\", "c.P00", ""},
      {"Sensors/GLOBAL", "Sensors/", "SAP Lodestar.Gbl", "X"},
      {"/PRD", "", "/PRD.P00", ""},
  };
  for (const NameCase& c : cases) {
    ResetRunState();
    g_run.ProfileName.assign(c.given);
    EXPECT_EQ(Message(CompleteProfileName()), "") << c.given;
    SplitProfileDirectory();
    EXPECT_STREQ(g_run.ProfileDirectory.c_str(), c.directory) << c.given;
    EXPECT_STREQ(g_run.ProfileName.c_str(), c.name) << c.given;
    EXPECT_EQ(g_run.ListingRun, c.listing[0] == 'X') << c.given;
  }
}

TEST_F(ProfileName, WithoutRoomForTheExtensionIsMissingNotCut) {
  const std::string name(60, 'N');
  g_run.ProfileName.assign(name.c_str());
  EXPECT_EQ(Message(CompleteProfileName()), "Error 1002: Profile " + name + " is missing...");
  EXPECT_STREQ(g_run.ProfileName.c_str(), name.c_str());
}

class LocateTest : public RunRecordTest {
 protected:
  void SetUp() override { fake.drive_root = scratch.path() + "/drive"; }
  // Locates the profile for the first argument; the message of the fault,
  // empty when it was located.
  std::string Locate(const char* first_argument, const char* arguments = "") {
    g_run.OutputMode = &PrtgSensor();
    g_run.ProfileName.assign(first_argument);
    g_run.ArgumentText.assign(arguments);
    CompleteProfileName();
    return Message(LocateProfile());
  }

  ScratchDirectory scratch;
  FakeEnv fake;
};

// Front-ends and "@" take the profile as given; the PRTG files are not
// looked at.
TEST_F(LocateTest, FrontEndsAndTheMarkerOpenTheProfileAsGiven) {
  scratch.Write("Sensors/PRD.P00", "");
  scratch.Write("drive/PRTG_Path.Txt", "C:\\Program Files\n");
  scratch.Write("drive/Program Files/" + std::string(kExeXml) + "PRD.P00", "");
  fake.beside_program = {"Brixtel.Frontend", "Tessiva.Frontend"};
  EXPECT_EQ(Locate("Sensors\\PRD"), "");
  EXPECT_STREQ(g_run.OutputMode->Name, "Tessiva");
  EXPECT_STREQ(g_run.ProfilePath.c_str(), "Sensors\\PRD.P00");
  EXPECT_NE(g_run.ProfileFile, nullptr);

  fake.beside_program.clear();
  EXPECT_EQ(Locate("Sensors\\PRD", "X @"), "");
  EXPECT_EQ(g_run.OutputMode, &PrtgSensor());
  EXPECT_STREQ(g_run.ProfileDirectory.c_str(), "Sensors\\");
  EXPECT_NE(g_run.ProfileFile, nullptr);

  EXPECT_EQ(Locate("Sensors\\QAS", "@"), "Error 1002: Profile Sensors\\QAS.P00 is missing...");
  fake.beside_program = {"Quorvane.Frontend"};
  EXPECT_EQ(Locate("Sensors\\QAS"), "Error 1002: Profile Sensors\\QAS.P00 is missing...");
  EXPECT_EQ(fake.output, "") << "the search prints nothing; the run driver does";
}

TEST_F(LocateTest, MarkerInAListingRunLocatesNothing) {
  scratch.Write("SAP Lodestar.Gbl", "");
  EXPECT_EQ(Locate("GLOBAL", "SENSOR1 @"), "");
  EXPECT_TRUE(g_run.ProfilePath.empty());
  EXPECT_EQ(g_run.ProfileFile, nullptr);
}

struct PrtgCase {
  bool has_path_file;
  std::string path_file;  // content of C:\PRTG_Path.Txt
  std::string profile;    // where PRD.P00 lies below the scratch directory
  const char* directory;  // ProfileDirectory found, null: failure
  const char* message = nullptr;  // the failure
};

using PrtgSearch = RunRecordTest;

// The file as PowerShell's ">" writes it: UTF-16LE after its mark.
std::string Utf16LeWithMark(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// The first argument's directory is dropped in the search.
TEST_F(PrtgSearch, FindsTheSensorDirectoryOrFails) {
  const std::string exexml = kExeXml;
  const std::string program_files = "drive/Program Files/" + exexml;
  const std::string long_directory(60, 'L');
  const char program_files_directory[] =
      "C:\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
  const std::string long_path_directory =
      "C:\\" + std::string(55, 'P') + "\\Custom Sensors\\ExeXml\\";
  const PrtgCase cases[] = {
      {true, "C:\\Program Files\r\n", program_files,
       "C:\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\"},
      {true, "comment\nC:\\Old\n\\PRTG\n", "drive/PRTG/Custom Sensors/ExeXml/",
       "\\PRTG\\Custom Sensors\\ExeXml\\"},
      {true, "C:\\Sensors\\EXEXML\\", "drive/Sensors/EXEXML/", "C:\\Sensors\\EXEXML\\"},
      {true, "no path here\n", "drive/" + exexml,
       "\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\"},
      {true, "C:\\Sensors", "drive/Sensors/", nullptr, "Sorry, invalid Path-Usage..."},
      {true, "C:\\Other", program_files, nullptr, "Error 1002: Profile PRD.P00 is missing..."},
      {false, "", "drive/Programme/" + exexml,
       "\\Programme\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\"},
      {false, "", "drive/Program Files (x86)/" + exexml,
       "\\Program Files (x86)\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\"},
      {false, "", "", nullptr, "Sorry, invalid Path-Usage..."},
      {false, "", "elsewhere/", nullptr, "Error 1002: Profile PRD.P00 is missing..."},
      // A line longer than 99 characters arrives in pieces, judged alone.
      {true, std::string(99, 'x') + "C:\\PRTG\n", "drive/PRTG/Custom Sensors/ExeXml/",
       "C:\\PRTG\\Custom Sensors\\ExeXml\\"},
      // Decoded whole as Notepad, PowerShell and echo write it, before the
      // 99 characters of a line are judged.
      {true, "\xEF\xBB\xBF" "C:\\Program Files\r\n", program_files, program_files_directory},
      {true, Utf16LeWithMark(u"C:\\Program Files\r\n"), program_files, program_files_directory},
      {true, "C:\\Program Files \t \r\n", program_files, program_files_directory},
      {true, "C:\\PRTG" + std::string(120, ' ') + "\n", "drive/PRTG/Custom Sensors/ExeXml/",
       "C:\\PRTG\\Custom Sensors\\ExeXml\\"},
      {true, Utf16LeWithMark(u"C:\\Pr\u00f6gramme"), "drive/Pr\u00f6gramme/Custom Sensors/ExeXml/",
       "C:\\Pr\u00f6gramme\\Custom Sensors\\ExeXml\\"},
      // Longer than ProfilePath: the whole path is the one opened.
      {true, "C:\\" + std::string(55, 'P'), "drive/" + std::string(55, 'P') + "/Custom Sensors/ExeXml/",
       long_path_directory.c_str()},
      // Longer than ProfileDirectory: refused rather than cut.
      {true, "C:\\" + long_directory, "drive/" + long_directory + "/" + exexml, nullptr,
       "Sorry, invalid Path-Usage..."},
  };
  for (const PrtgCase& c : cases) {
    SCOPED_TRACE(c.profile);
    ResetRunState();
    ScratchDirectory scratch;
    FakeEnv fake;
    fake.drive_root = scratch.path() + "/drive";
    g_run.OutputMode = &PrtgSensor();
    if (c.has_path_file) scratch.Write("drive/PRTG_Path.Txt", c.path_file);
    scratch.Write(c.profile + "PRD.P00", "");
    g_run.ProfileName.assign("D:\\Given\\PRD");
    CompleteProfileName();
    std::string message = Message(LocateProfile());
    if (c.directory != nullptr) {
      EXPECT_EQ(message, "");
      EXPECT_STREQ(g_run.ProfileDirectory.c_str(), c.directory);
      EXPECT_EQ(g_run.OutputMode, &PrtgSensor());
      EXPECT_NE(g_run.ProfileFile, nullptr);
    } else {
      EXPECT_EQ(message, c.message);
    }
  }
}

}  // namespace
}  // namespace fernwatch
