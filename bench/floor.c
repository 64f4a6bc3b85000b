/* The floor of a poll: a program that loads one shared library beside it
 * and prints the document Fernwatch prints for the user sensor USERS of
 * the worked example, and does nothing else. A poll cannot cost less than
 * starting this. */
#include <stdio.h>

int FloorLibraryReady(void);

static const char kDocument[] =
    "\n"
    "<Prtg>\n"
    "\n"
    "<Result><Channel>1: Dialog users</Channel>\n"
    "<Unit>Custom</Unit>\n"
    "<CustomUnit>#</CustomUnit>\n"
    "<Value>17</Value></Result>\n"
    "\n"
    "<Result><Channel>Batch users</Channel>\n"
    "<Unit>Custom</Unit>\n"
    "<CustomUnit>#</CustomUnit>\n"
    "<Value>2</Value></Result>\n"
    "\n"
    "<Text>(PRD) User-Sensor: USERS, Logged-on users </Text>\n"
    "\n"
    "</Prtg>\n";

int main(void) {
  if (!FloorLibraryReady()) return 1;
  fputs(kDocument, stdout);
  return 0;
}
