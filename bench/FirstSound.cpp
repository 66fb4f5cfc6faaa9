// Measures, from outside, how long a player takes from exec to its first sound: the player
// writes what it plays into a file (a PCM output), and the first bytes in that file are the
// first sound. Forks and execs the program and watches the file's folder with inotify.
//   mirato-firstsound FILE PROGRAM [ARGS...]   prints the milliseconds from exec to the first
//                                               bytes written into FILE
// FILE is removed first; the program is ended once it has written.
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

namespace {

bool hasBytes(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && info.st_size > 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: mirato-firstsound FILE PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const char* file = argv[1];
    std::remove(file);
    const std::string path = file;
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_MODIFY | IN_CLOSE_WRITE) < 0) {
        std::perror("inotify");
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double ms = -1;
    alignas(inotify_event) char events[4096];
    // Gives up after about 20 s of nothing written.
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        pollfd ready{watch, POLLIN, 0};
        if (poll(&ready, 1, 1000) > 0 && read(watch, events, sizeof events) <= 0)
            break;
        if (hasBytes(file)) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
            break;
        }
    }
    std::printf("%.1f\n", ms);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    close(watch);
    return ms < 0 ? 1 : 0;
}
