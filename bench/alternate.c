/* Times two commands in alternation and prints, for each, the median wall
 * time of its runs and the median of their peak resident set sizes.
 *
 *   alternate RUNS DIR_A PROGRAM_A [ARGS...] --then DIR_B PROGRAM_B [ARGS...]
 *
 * Each run starts its program in its directory with standard input and
 * output on /dev/null and must end with exit status 0. Runs alternate
 * A, B, A, B, ... so that a machine growing busier or quieter weighs on
 * both alike; two pairs before the counted ones warm the caches. Output:
 * one line "A_MICROSECONDS B_MICROSECONDS A_KIB B_KIB".
 *
 * The peak RSS comes from wait4. A child's peak also counts the memory of
 * the process it was started from, so this program is linked statically
 * and keeps its own footprint far below that of anything it measures. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

enum { kWarmUpPairs = 2, kMostRuns = 1001 };

struct Command {
  const char *directory;
  char **argv;
  double micros[kMostRuns];
  long kib[kMostRuns];
};

static double Now(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

/* Runs the command once; stores its time and peak RSS at `slot`. */
static void RunOnce(struct Command *command, int slot) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, command->directory);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  double start = Now();
  pid_t child;
  int failed = posix_spawn(&child, command->argv[0], &actions, NULL, command->argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) {
    fprintf(stderr, "alternate: cannot start %s: %s\n", command->argv[0], strerror(failed));
    exit(1);
  }
  int status;
  struct rusage usage;
  if (wait4(child, &status, 0, &usage) != child) {
    perror("alternate: wait4");
    exit(1);
  }
  double micros = Now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "alternate: %s in %s ended with status 0x%x\n", command->argv[0],
            command->directory, status);
    exit(1);
  }
  if (slot >= 0) {
    command->micros[slot] = micros;
    command->kib[slot] = usage.ru_maxrss;
  }
}

static int CompareDoubles(const void *a, const void *b) {
  double x = *(const double *)a, y = *(const double *)b;
  return (x > y) - (x < y);
}

static int CompareLongs(const void *a, const void *b) {
  long x = *(const long *)a, y = *(const long *)b;
  return (x > y) - (x < y);
}

static double MedianMicros(struct Command *command, int runs) {
  qsort(command->micros, runs, sizeof command->micros[0], CompareDoubles);
  return runs % 2 ? command->micros[runs / 2]
                  : (command->micros[runs / 2 - 1] + command->micros[runs / 2]) / 2;
}

static long MedianKib(struct Command *command, int runs) {
  qsort(command->kib, runs, sizeof command->kib[0], CompareLongs);
  return command->kib[runs / 2];
}

static struct Command a, b;

int main(int argc, char **argv) {
  int then = 0;
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--then") == 0) then = i;
  }
  int runs = argc > 1 ? atoi(argv[1]) : 0;
  if (runs < 1 || runs > kMostRuns || then < 4 || argc - then < 3) {
    fprintf(stderr, "usage: alternate RUNS DIR_A PROGRAM_A [ARGS...] --then DIR_B PROGRAM_B [ARGS...]\n");
    return 2;
  }
  argv[then] = NULL;  /* ends A's arguments */
  a.directory = argv[2];
  a.argv = argv + 3;
  b.directory = argv[then + 1];
  b.argv = argv + then + 2;
  for (int i = -kWarmUpPairs; i < runs; ++i) {
    RunOnce(&a, i);
    RunOnce(&b, i);
  }
  printf("%.0f %.0f %ld %ld\n", MedianMicros(&a, runs), MedianMicros(&b, runs),
         MedianKib(&a, runs), MedianKib(&b, runs));
  return 0;
}
