/* The one shared library the floor program loads: as little as a library
 * can be, so that the floor counts the cost of loading a library, not of
 * running one. */
int FloorLibraryReady(void) { return 1; }
