#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_driver.h"
#include "run_state.h"
#include "support/fake_env.h"
#include "support/run_record_test.h"

namespace fernwatch {
namespace {

// Starts a run with `arguments` (the program name first) in an empty
// working directory with the Tessiva front-end designated, so that the run
// stops at the first file it does not find; returns the exit status.
class StartTest : public RunRecordTest {
 protected:
  StartTest() { env_.beside_program.insert("Tessiva.Frontend"); }

  int Start(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    return RunProbe(static_cast<int>(argv.size()), argv.data());
  }

  ScratchDirectory dir_;
  FakeEnv env_;
};

TEST_F(StartTest, NoProfileNameIsError1001AndNothingElse) {
  EXPECT_EQ(2, Start({"fernwatch"}));
  EXPECT_EQ("<Prtg>\n<Error>1</Error>\n<Text>Error 1001: Parameter for Profile-Name is "
            "missing !</Text>\n</Prtg>\n",
            env_.output);
}

TEST_F(StartTest, BannerCarriesTheLocalTimeAtStart) {
  env_.clock = {23, 59, 59};
  Start({"fernwatch", "PRD"});
  EXPECT_STREQ("* 23:59:59 SAP Fernwatch Vers 4.3 / 29.08.22", g_run.BannerLine.c_str());
}

TEST_F(StartTest, ArgumentTextJoinsTheSecondAndThirdArgument) {
  Start({"fernwatch", "PRD", "Users,state P q", "r", "fourth"});
  EXPECT_STREQ("USERS,STATE P Q R", g_run.ArgumentText.c_str());
  EXPECT_STREQ("Users,state P q r", g_run.ParameterText.c_str());
  EXPECT_STREQ("PRD.P00", g_run.ProfileName.c_str());
  EXPECT_FALSE(g_run.ListingRun);
  EXPECT_FALSE(g_run.ConsoleEcho);
  EXPECT_STREQ("Tessiva", g_run.OutputMode->Name);
}

TEST_F(StartTest, ItemMakesAListingRunOverLodestarPrf) {
  struct Case {
    std::vector<std::string> arguments;
    std::string item;
  } cases[] = {
      {{"fernwatch", "X", "item=Backup:Daily,ch=1"}, "Backup Daily"},
      {{"fernwatch", "GLOBAL", "USERS", "ITEM=Log:backup more"}, "Log backup"},
      {{"fernwatch", "X", "ITEM="}, ""},
      {{"fernwatch", "X", "ITEM= x"}, ""},
      {{"fernwatch", "X", "ITEM=" + std::string(100, 'i')}, std::string(90, 'i')},
  };
  for (Case& c : cases) {
    ResetRunState();
    EXPECT_EQ(2, Start(c.arguments));
    EXPECT_EQ(c.item, g_run.ItemId.c_str()) << c.arguments[2];
    EXPECT_TRUE(g_run.ListingRun);
    EXPECT_STREQ("Lodestar.Prf", g_run.ProfileName.c_str());
  }
}

TEST_F(StartTest, AnyMarkerTurnsTheProgressLinesOn) {
  for (const char* marker : {"#", "@", "$", "%", "a%b"}) {
    ResetRunState();
    Start({"fernwatch", "PRD", "USERS", marker});
    EXPECT_TRUE(g_run.ConsoleEcho) << marker;
  }
}

// The second and third argument joined by one blank may hold 127
// characters; a longer text is refused whole, never cut into another run.
TEST_F(StartTest, AnOverlongArgumentTextIsRefused) {
  const std::string refused = "<Prtg>\n<Error>1</Error>\n<Text>Error 1008: Parameters longer "
                              "than 127 characters...</Text>\n</Prtg>\n";
  struct Case {
    std::vector<std::string> arguments;
    bool fits;
  } cases[] = {
      {{"fernwatch", "PRD", std::string(127, 'u')}, true},
      {{"fernwatch", "PRD", std::string(128, 'u')}, false},
      {{"fernwatch", "PRD", std::string(63, 'u'), std::string(63, 'v')}, true},
      {{"fernwatch", "PRD", std::string(63, 'u'), std::string(64, 'v')}, false},
      {{"fernwatch", "PRD", "", std::string(127, 'v')}, false},
      {{"fernwatch", "PRD", "USERS", "#", std::string(200, 'f')}, true},
      {{"fernwatch", "PRD", "USERS ITEM=" + std::string(289, 'i')}, false},
      {{"fernwatch", std::string(70, 'p'), "USERS ITEM=x" + std::string(116, ' ')}, false},
  };
  for (Case& c : cases) {
    ResetRunState();
    env_.output.clear();
    EXPECT_EQ(2, Start(c.arguments));
    EXPECT_EQ(c.fits, env_.output != refused) << c.arguments[2] << env_.output;
    EXPECT_EQ(c.fits, g_run.ListingRun || !g_run.ProfileName.empty()) << "refused first";
  }
}

TEST_F(StartTest, AnOverlongFirstArgumentDoesNotMatterWithItem) {
  EXPECT_EQ(2, Start({"fernwatch", std::string(70, 'A'), "BACKUP ITEM=Log:backup"}));
  EXPECT_STREQ("Log backup", g_run.ItemId.c_str());
  EXPECT_EQ("<Prtg>\n<Error>1</Error>\n<Text>Error 1002: Profile Lodestar.Prf is "
            "missing...</Text>\n</Prtg>\n",
            env_.output);
}

TEST_F(StartTest, AnOverlongProfileNameIsReportedMissingNotCut) {
  std::string name(64, 'p');
  EXPECT_EQ(2, Start({"fernwatch", name}));
  EXPECT_EQ("<Prtg>\n<Error>1</Error>\n<Text>Error 1002: Profile " + name +
                " is missing...</Text>\n</Prtg>\n",
            env_.output);
}

}  // namespace
}  // namespace fernwatch
