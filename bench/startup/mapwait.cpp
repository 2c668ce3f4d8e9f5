// mapwait: times a program from its start to its first top-level window
// being mapped on the X display.
//
//   mapwait [-t SECONDS] [-k MS] COMMAND [ARG...]
//
// Selects SubstructureNotify on the root window before it starts COMMAND (so
// no map can be missed), then blocks in XNextEvent until a MapNotify of a
// top-level window (override-redirect windows such as menus and tooltips are
// not counted) arrives. Prints the milliseconds from just before the fork to
// that event on standard output, then ends COMMAND and reaps it. With -k,
// COMMAND is left running MS milliseconds more before it is ended (so that a
// peak memory measurement includes the window's first paint).
//
// COMMAND runs in a process group of its own and is ended with SIGINT sent to
// that group: a program run through `/usr/bin/time -v -o FILE` ends, while
// GNU time (which ignores SIGINT while it waits) still writes its report,
// peak resident set size included.
//
// Exit status: 0 when a window was mapped; 2 on a usage or display error; 3
// when COMMAND ended before mapping a window; 4 when nothing was mapped
// within the time limit (default 30 s), or when COMMAND outlived SIGINT by
// 10 s (it is then killed).
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

volatile sig_atomic_t childPid = 0;

void say(const char* text) {
  const ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
  (void)ignored;
}

// COMMAND ended before it mapped a window.
void onChild(int) {
  say("mapwait: the command ended before mapping a window\n");
  _exit(3);
}

// Nothing was mapped in time, or COMMAND outlived SIGINT: kill it, give up.
void onAlarm(int) {
  say("mapwait: time limit reached\n");
  struct sigaction dflt {};
  dflt.sa_handler = SIG_DFL;
  sigaction(SIGCHLD, &dflt, nullptr);
  if (childPid > 0) {
    kill(-childPid, SIGKILL);
    waitpid(childPid, nullptr, 0);
  }
  _exit(4);
}

double msSince(const timespec& start) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  unsigned limit = 30;
  long keepMs = 0;
  while (first + 1 < argc && (std::strcmp(argv[first], "-t") == 0 || std::strcmp(argv[first], "-k") == 0)) {
    if (argv[first][1] == 't')
      limit = static_cast<unsigned>(std::atoi(argv[first + 1]));
    else
      keepMs = std::atol(argv[first + 1]);
    first += 2;
  }
  if (first >= argc || limit == 0 || keepMs < 0) {
    std::fprintf(stderr, "usage: mapwait [-t SECONDS] [-k MS] COMMAND [ARG...]\n");
    return 2;
  }

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "mapwait: cannot open the display %s\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);  // the selection is in force before the command starts

  struct sigaction action {};
  sigemptyset(&action.sa_mask);
  action.sa_handler = onChild;
  action.sa_flags = SA_NOCLDSTOP;
  sigaction(SIGCHLD, &action, nullptr);
  action.sa_handler = onAlarm;
  action.sa_flags = 0;
  sigaction(SIGALRM, &action, nullptr);

  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("mapwait: fork");
    return 2;
  }
  if (pid == 0) {
    setpgid(0, 0);
    close(ConnectionNumber(display));
    signal(SIGCHLD, SIG_DFL);
    execvp(argv[first], argv + first);
    std::fprintf(stderr, "mapwait: cannot run %s: %s\n", argv[first], std::strerror(errno));
    _exit(127);
  }
  setpgid(pid, pid);  // also here, so the group exists whichever runs first
  childPid = pid;
  alarm(limit);

  double elapsed = -1;
  while (elapsed < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) elapsed = msSince(start);
  }
  alarm(0);
  signal(SIGCHLD, SIG_DFL);

  std::printf("%.1f\n", elapsed);
  std::fflush(stdout);

  if (keepMs > 0) {
    timespec keep{keepMs / 1000, (keepMs % 1000) * 1000000};
    while (nanosleep(&keep, &keep) < 0 && errno == EINTR) {
    }
  }

  kill(-pid, SIGINT);
  alarm(10);  // a command that outlives SIGINT is killed after 10 s
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  XCloseDisplay(display);
  return 0;
}
