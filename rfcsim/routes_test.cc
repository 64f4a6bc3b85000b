#include "rfcsim/routes.h"

#include <gtest/gtest.h>

namespace rfcsim {
namespace {

TEST(ConnectStringTest, ReadsItsSettings) {
  ConnectString settings =
      ParseConnectString("CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=PRD");
  EXPECT_EQ(settings.client, "100");
  EXPECT_EQ(settings.user, "MONITOR");
  EXPECT_EQ(settings.passwd, "secret");
  EXPECT_EQ(settings.lang, "D");
  EXPECT_TRUE(settings.has_dest);
  EXPECT_EQ(settings.dest, "PRD");
}

TEST(ConnectStringTest, ValuesMayHoldBlanksAndKeywordLookalikes) {
  ConnectString settings =
      ParseConnectString("client=100 USER=A B PASSWD=x=y z LANG=D  DEST=PRD ");
  EXPECT_EQ(settings.client, "100");
  EXPECT_EQ(settings.user, "A B");
  EXPECT_EQ(settings.passwd, "x=y z");
  EXPECT_EQ(settings.dest, "PRD");
  ConnectString glued = ParseConnectString("USER=XDEST=Y PASSWD=");
  EXPECT_EQ(glued.user, "XDEST=Y");
  EXPECT_EQ(glued.passwd, "");
  EXPECT_FALSE(glued.has_dest);
}

TEST(ConnectStringTest, MissingSettingsStayEmpty) {
  ConnectString settings = ParseConnectString("");
  EXPECT_EQ(settings.client, "");
  EXPECT_FALSE(settings.has_dest);
}

TEST(SapRfcIniTest, FindsTheEntryOfTheDestination) {
  const std::string ini =
      "DEST=QAS\nTYPE=A\nASHOST=qashost\nSYSNR=01\n\n"
      "DEST=PRD TYPE=A ashost=prdhost sysnr=00\r\n"
      "DEST=R2\ngwhost=mainframe GWSERV=sapgw07\n"
      "DEST=BARE\nTYPE=A\n"
      "DEST=ODD ASHOST=odd SYSNR=x1\n";
  Route route;
  ASSERT_TRUE(FindDestination(ini, "QAS", &route));
  EXPECT_FALSE(route.gateway);
  EXPECT_EQ(route.host, "qashost");
  EXPECT_EQ(route.sysnr, 1);
  ASSERT_TRUE(FindDestination(ini, "PRD", &route));
  EXPECT_EQ(route.host, "prdhost");
  EXPECT_EQ(route.sysnr, 0);
  ASSERT_TRUE(FindDestination(ini, "R2", &route));
  EXPECT_TRUE(route.gateway);
  EXPECT_EQ(route.gwhost, "mainframe");
  EXPECT_EQ(route.gwserv, "sapgw07");
  EXPECT_FALSE(FindDestination(ini, "BARE", &route));
  EXPECT_FALSE(FindDestination(ini, "prd", &route));
  EXPECT_FALSE(FindDestination(ini, "NONE", &route));
  ASSERT_TRUE(FindDestination(ini, "ODD", &route));
  EXPECT_EQ(route.sysnr, -1);  // reaches no system
}

TEST(SapRfcIniTest, AnEntryEndsAtTheNextDestination) {
  Route route;
  EXPECT_FALSE(FindDestination("DEST=A\nDEST=B ASHOST=bhost\n", "A", &route));
}

TEST(PartnerNameTest, NamesHostAndNumberOrGateway) {
  Route r3;
  r3.host = "prdhost";
  r3.sysnr = 3;
  EXPECT_EQ(PartnerName(r3), "prdhost:03");
  Route r2;
  r2.gateway = true;
  r2.gwhost = "gw";
  r2.gwserv = "sapgw00";
  EXPECT_EQ(PartnerName(r2), "gw:sapgw00");
}

}  // namespace
}  // namespace rfcsim
