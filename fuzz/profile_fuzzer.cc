// A profile file read in either form, its password decoded, the record
// checked, and the connection records and string filled from it. The first
// byte chooses the form (odd: one system of a listing run); the rest is
// the file. A file whose lines each form reads whole is judged alike by
// both forms. A password the reader decoded that the profile tool could
// write must come back unchanged through the tool's encoder.
#include <string>

#include "config/password.h"
#include "config/password_encoder.h"
#include "config/profile_reader.h"
#include "fuzz/fuzz_support.h"
#include "rfc/connection_records.h"

namespace fernwatch {
namespace {

const char kProfile[] = "PRD.P00";

void ExpectCompleteRecord(const SystemProfile& profile) {
  FuzzExpect(!profile.User.empty() && !profile.Password.empty(), "a sound record has its logon");
  FuzzExpect(profile.Destination.size() >= 3 && profile.Client.size() >= 3,
             "a sound record has its destination and client");
}

// The single form reads lines in shorter pieces than the listing form.
bool LinesFitBothForms(const std::string& file) {
  size_t line = 0;
  for (char c : file) {
    line = c == '\n' ? 0 : line + 1;
    if (line > 150) return false;
  }
  return true;
}

// Both forms stop at the same fault; only the single form stops reading.
void ExpectSameJudgement(MemoryEnv& env, ProfileForm form, ProfileFault fault) {
  if (!LinesFitBothForms(env.files[kProfile])) return;
  SystemProfile other;
  ProfileForm other_form = form == ProfileForm::kSingle ? ProfileForm::kListing : ProfileForm::kSingle;
  FuzzExpect(ReadProfileRecord(*env.OpenText(kProfile), other_form, &other) == fault,
             "both forms find the same fault");
}

void ExpectPasswordRoundTrip(const char* password) {
  EncodedPassword encoded;
  if (!IsEncodablePassword(password) || !EncodePassword(password, &encoded)) return;
  DecodedPassword decoded;
  FuzzExpect(DecodePassword(encoded.c_str(), &decoded) == PasswordDecoding::kDecoded,
             "an encoded password decodes");
  FuzzExpect(decoded.equals(password), "an encoded password decodes to itself");
}

}  // namespace
}  // namespace fernwatch

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace fernwatch;
  FuzzRun run;
  FuzzInput input(data, size);
  ProfileForm form = input.NextByte() % 2 == 0 ? ProfileForm::kSingle : ProfileForm::kListing;
  run.env.files[kProfile] = input.Rest();

  ProfileFault fault = ReadSystemProfile(CurrentEnv().OpenText(kProfile), form);
  if (fault == ProfileFault::kNone) ExpectCompleteRecord(g_run.Profile);
  ExpectSameJudgement(run.env, form, fault);
  ProfileFaultMessage(fault, kProfile);
  ExpectPasswordRoundTrip(g_run.Profile.Password.c_str());
  FillConnectionRecords();
  ConnectionString();
  return 0;
}
