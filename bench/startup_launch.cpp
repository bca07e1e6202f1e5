// Starts a program with the launch time in ORBANE_LAUNCH_MS, so that it can time its start-up
// from the launch, including the loading of its libraries.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_launch program [arguments]\n");
        return 2;
    }
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    const std::string ms = std::to_string(t.tv_sec * 1e3 + t.tv_nsec / 1e6);
    setenv("ORBANE_LAUNCH_MS", ms.c_str(), 1);
    execv(argv[1], argv + 1);
    std::perror(argv[1]);
    return 127;
}
