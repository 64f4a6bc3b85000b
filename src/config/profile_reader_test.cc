#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config_path.h"
#include "config/profile_check.h"
#include "config/profile_reader.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

const char kSecret[] = "Password...: 05&4qq~Ga@=dU0@c%Xd'\"`{v";  // "secret"
const char kLengthZero[] = "Password...: 76&2fese{p{czw`}xz}{|zqw";

std::vector<std::string> CompleteProfile() {
  return {"Extcompany.: SAMPLE", "Destination: PRD",  "Client.....: 100",
          "User.......: monitor", kSecret,             "Language...: E",
          "Mode.......: R/3",    "Hostname...: prdhost", "Sysnr......: 00",
          "Gwhost.....: prdhost", "Gwservice..: sapgw00"};
}

class ProfileReaderTest : public RunRecordTest {
 protected:
  // Writes the lines as PRD.P00 and reads them in `form`; the message of
  // the fault, empty when the record is sound.
  std::string Read(const std::vector<std::string>& lines,
                   ProfileForm form = ProfileForm::kSingle) {
    std::string content;
    for (const std::string& line : lines) content += line + "\r\n";
    scratch.Write("PRD.P00", content);
    ProfileFault fault = ReadSystemProfile(OpenConfigFile("PRD.P00"), form);
    return fault == ProfileFault::kNone ? "" : ProfileFaultMessage(fault, "PRD.P00").c_str();
  }
  std::vector<std::string> With(const std::string& line) {
    std::vector<std::string> lines = CompleteProfile();
    lines.push_back(line);
    return lines;
  }
  std::vector<std::string> Without(const std::string& label) {
    std::vector<std::string> lines;
    for (const std::string& line : CompleteProfile())
      if (line.compare(0, label.size(), label) != 0) lines.push_back(line);
    return lines;
  }

  ScratchDirectory scratch;
  FakeEnv fake;
};

TEST_F(ProfileReaderTest, ReadsLabelledValuesFromColumnFourteen) {
  EXPECT_EQ(Read(With("user.......: other")), "");  // labels are case-sensitive
  const SystemProfile& profile = g_run.Profile;
  EXPECT_STREQ(profile.User.c_str(), "MONITOR");
  EXPECT_STREQ(profile.Password.c_str(), "secret");
  EXPECT_STREQ(profile.Gwservice.c_str(), "sapgw00");

  Read(With("Client.....:100"));
  EXPECT_STREQ(profile.Client.c_str(), "00");
  Read(With("Client.....:  100"));
  EXPECT_STREQ(profile.Client.c_str(), " 100");
  Read(With("Extcompany.: " + std::string(60, 'E') + "0123456789"));
  EXPECT_EQ(profile.Extcompany.size(), 60u);
  Read(With("Sysnr......: 07"));
  EXPECT_STREQ(profile.Sysnr.c_str(), "07");
}

struct FaultCase {
  std::vector<std::string> lines;
  const char* message;  // empty: no fault
};

TEST_F(ProfileReaderTest, SingleFormReportsTheFirstFaultByPrecedence) {
  const std::string secret = kSecret;
  const FaultCase cases[] = {
      {Without("User"), "Error 1006: Username in Profile PRD.P00 is missing..."},
      {Without("Password"), "Error 1007: Password in Profile PRD.P00 is missing..."},
      {With(kLengthZero), "Error 1007: Password in Profile PRD.P00 is missing..."},
      {With("Language...:"), "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
      {With("Language...: D"), ""},
      {With("Destination: PR"), "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
      {With(secret.substr(0, secret.size() - 1)),
       "Error 1004: Invalid Password in Profile PRD.P00 found..."},
      {With(secret + "x"), "Error 1004: Invalid Password in Profile PRD.P00 found..."},
      {With("Password...: A" + secret.substr(14)),  // header not four digits
       "Error 1004: Invalid Password in Profile PRD.P00 found..."},
      {With("Password...: 15&4qq~Ga@=dU0@c%Xd'\"`{v"),
       "Error 1005: Wrong Password in Profile PRD.P00 found..."},
      {{"Password...: 15&4qq~Ga@=dU0@c%Xd'\"`{v"},
       "Error 1005: Wrong Password in Profile PRD.P00 found..."},
      {{"Destination: PR", "Password...:"}, "Error 1006: Username in Profile PRD.P00 is missing..."},
      {{"Destination: PR", "User.......: u1"},
       "Error 1007: Password in Profile PRD.P00 is missing..."},
      // Too long for their fields: refused rather than cut to another name.
      {With("Destination: PRD_SYSTEM_1"), "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
      {With("User.......: " + std::string(48, 'U')),
       "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
  };
  for (const FaultCase& c : cases) {
    ResetRunState();
    EXPECT_EQ(Read(c.lines), c.message) << c.lines.back();
  }
  EXPECT_EQ(fake.output, "") << "the reader prints nothing; the run driver does";
}

TEST_F(ProfileReaderTest, SingleFormStopsAtAPasswordFault) {
  EXPECT_EQ(Read({"Password...: short", "User.......: monitor"}),
            "Error 1004: Invalid Password in Profile PRD.P00 found...");
  EXPECT_TRUE(g_run.Profile.User.empty());
}

// A line longer than a read arrives in pieces, each judged as a line: 159
// characters in the single form, 199 in the listing form.
TEST_F(ProfileReaderTest, LongLinesArriveInPieces) {
  const std::string joined = std::string(159, '-') + "Sysnr......: 42";
  Read(With(joined));
  EXPECT_STREQ(g_run.Profile.Sysnr.c_str(), "42");
  Read(With(joined), ProfileForm::kListing);
  EXPECT_STREQ(g_run.Profile.Sysnr.c_str(), "00");
}

// Notepad's mark of a UTF-8 file is no part of the first line, nor of its
// first piece.
TEST_F(ProfileReaderTest, AByteOrderMarkReadsAsWithout) {
  std::vector<std::string> lines = Without("Sysnr");
  lines.insert(lines.begin(), "\xEF\xBB\xBF" + std::string(159, '-') + "Sysnr......: 42");
  EXPECT_EQ(Read(lines), "");
  EXPECT_STREQ(g_run.Profile.Sysnr.c_str(), "42");
  for (const char* mark : {"\xEF\xBB\xBF", "\xEF\xBB"}) {
    ResetRunState();
    lines = CompleteProfile();
    lines.front() = mark + lines.front();  // Extcompany
    EXPECT_EQ(Read(lines), mark[2] == '\0' ? "Error 1003: Invalid Parameter(s) at PRD.P00 found..."
                                           : "");
  }
}

TEST_F(ProfileReaderTest, ListingFormReadsOnPastAFault) {
  EXPECT_EQ(Read(CompleteProfile(), ProfileForm::kListing), "");

  // The record is not cleared: a later profile keeps what it does not set.
  std::vector<std::string> second = {"Password...: 15&4qq~Ga@=dU0@c%Xd'\"`{v",
                                     "User.......: other", "Gwservice..: x"};
  EXPECT_EQ(Read(second, ProfileForm::kListing),
            "Error 1005: Wrong Password in Profile PRD.P00 found...");
  EXPECT_STREQ(g_run.Profile.Password.c_str(), "secret");
  EXPECT_STREQ(g_run.Profile.User.c_str(), "OTHER");
  EXPECT_STREQ(g_run.Profile.Hostname.c_str(), "prdhost");
  EXPECT_TRUE(fake.output.empty());
}

}  // namespace
}  // namespace fernwatch
