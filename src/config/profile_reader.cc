// The profile reader: labelled lines of a profile file into the
// SystemProfile, the password decoded, the record checked.
#include <cstring>
#include <type_traits>

#include "config/password.h"
#include "config/profile_check.h"
#include "config/profile_reader.h"
#include "config/text_line.h"
#include "run_state.h"

namespace fernwatch {
namespace {

constexpr size_t kLabelLength = 12;
constexpr size_t kValueStart = 13;  // column 14
constexpr size_t kSingleLineLimit = 159;
constexpr size_t kListingLineLimit = 199;
const char kUserLabel[] = "User.......:";
const char kPasswordLabel[] = "Password...:";

using ProfileLine = FixedText<kListingLineLimit>;
using ProfileValue = FixedText<60>;

// A value longer than its field would be cut into another destination,
// host or user; the field is emptied instead, and the record check then
// refuses it. False in that case.
template <auto Field>
bool StoreValue(SystemProfile* profile, const ProfileValue& value) {
  auto& field = profile->*Field;
  if (value.size() > std::remove_reference_t<decltype(field)>::kCapacity) {
    field.clear();
    return false;
  }
  field.assign(value);
  return true;
}

template <auto Field>
bool StoreUpperCase(SystemProfile* profile, const ProfileValue& value) {
  bool stored = StoreValue<Field>(profile, value);
  (profile->*Field).to_upper();
  return stored;
}

template <auto Field>
size_t LengthOf(const SystemProfile& profile) {
  return (profile.*Field).size();
}

struct FieldRule {
  const char* label;
  size_t minimum;
  bool (*store)(SystemProfile*, const ProfileValue&);  // null: the password
  size_t (*length)(const SystemProfile&);
};

template <auto Field, bool (*Store)(SystemProfile*, const ProfileValue&) = StoreValue<Field>>
constexpr FieldRule Rule(const char* label, size_t minimum) {
  return {label, minimum, Store, LengthOf<Field>};
}

// In the order in which the record check compares the minimum lengths.
const FieldRule kFieldRules[] = {
    Rule<&SystemProfile::Extcompany>("Extcompany.:", 2),
    Rule<&SystemProfile::Destination>("Destination:", 3),
    Rule<&SystemProfile::Client>("Client.....:", 3),
    Rule<&SystemProfile::User, StoreUpperCase<&SystemProfile::User>>(kUserLabel, 2),
    {kPasswordLabel, 2, nullptr, LengthOf<&SystemProfile::Password>},
    Rule<&SystemProfile::Language>("Language...:", 1),
    Rule<&SystemProfile::Mode>("Mode.......:", 3),
    Rule<&SystemProfile::Hostname>("Hostname...:", 2),
    Rule<&SystemProfile::Sysnr>("Sysnr......:", 2),
    Rule<&SystemProfile::Gwhost>("Gwhost.....:", 2),
    Rule<&SystemProfile::Gwservice>("Gwservice..:", 2),
};

const FieldRule* RuleForLabel(const ProfileLine& line) {
  if (line.size() < kLabelLength) return nullptr;
  for (const FieldRule& rule : kFieldRules)
    if (std::strncmp(line.c_str(), rule.label, kLabelLength) == 0) return &rule;
  return nullptr;
}

ProfileFault TakePassword(const ProfileValue& value, SystemProfile* profile) {
  if (value.empty()) {
    profile->Password.clear();
    return ProfileFault::kNone;
  }
  switch (DecodePassword(value.c_str(), &profile->Password)) {
    case PasswordDecoding::kDecoded:
      return ProfileFault::kNone;
    case PasswordDecoding::kInvalid:
      return ProfileFault::kInvalidPassword;
    case PasswordDecoding::kWrong:
      return ProfileFault::kWrongPassword;
  }
  return ProfileFault::kInvalidPassword;
}

ProfileFault CheckRecord(const SystemProfile& profile, bool user_too_long) {
  if (profile.User.empty() && !user_too_long) return ProfileFault::kUserMissing;
  if (profile.Password.empty()) return ProfileFault::kPasswordMissing;
  for (const FieldRule& rule : kFieldRules)
    if (rule.length(profile) < rule.minimum) return ProfileFault::kInvalidParameters;
  return ProfileFault::kNone;
}

}  // namespace

ProfileFault ReadProfileRecord(InputFile& file, ProfileForm form, SystemProfile* profile) {
  const bool single = form == ProfileForm::kSingle;
  ProfileFault password_fault = ProfileFault::kNone;
  bool user_too_long = false;
  ProfileLine line;
  while (ReadTextLine(file, &line, single ? kSingleLineLimit : kListingLineLimit)) {
    const FieldRule* rule = RuleForLabel(line);
    if (rule == nullptr) continue;
    ProfileValue value;
    if (line.size() > kValueStart) value.assign(line.c_str() + kValueStart, value.kCapacity);
    if (rule->store != nullptr) {
      bool stored = rule->store(profile, value);
      if (rule->label == kUserLabel) user_too_long = !stored;
      continue;
    }
    ProfileFault fault = TakePassword(value, profile);
    if (fault != ProfileFault::kNone && single) return fault;
    if (password_fault == ProfileFault::kNone) password_fault = fault;
  }
  if (password_fault != ProfileFault::kNone) return password_fault;
  return CheckRecord(*profile, user_too_long);
}

ProfileMessage ProfileFaultMessage(ProfileFault fault, const char* name) {
  const char* before = "";
  const char* after = "";
  switch (fault) {
    case ProfileFault::kNone:
      break;
    case ProfileFault::kInvalidParameters:
      before = "Error 1003: Invalid Parameter(s) at ";
      after = " found...";
      break;
    case ProfileFault::kInvalidPassword:
      before = "Error 1004: Invalid Password in Profile ";
      after = " found...";
      break;
    case ProfileFault::kWrongPassword:
      before = "Error 1005: Wrong Password in Profile ";
      after = " found...";
      break;
    case ProfileFault::kUserMissing:
      before = "Error 1006: Username in Profile ";
      after = " is missing...";
      break;
    case ProfileFault::kPasswordMissing:
      before = "Error 1007: Password in Profile ";
      after = " is missing...";
      break;
  }
  ProfileMessage message;
  message.format("%s%s%s", before, name, after);
  return message;
}

ProfileFault ReadSystemProfile(std::unique_ptr<InputFile> file, ProfileForm form) {
  // No file at all reads as an empty one.
  if (file == nullptr) return CheckRecord(g_run.Profile, false);
  return ReadProfileRecord(*file, form, &g_run.Profile);
}

}  // namespace fernwatch
