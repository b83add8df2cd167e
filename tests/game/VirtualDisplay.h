#ifndef HEADER_VIRTUALDISPLAY_H
#define HEADER_VIRTUALDISPLAY_H

// A private X server for the tests that drive the game in a real window:
// Xvfb on a display number it picks itself, stopped again with the object,
// and xdotool run against it. name() is "" when no server came up.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace xserver {

/** True while the child pid runs; a child that has ended is reaped and pid set to -1. */
inline bool childRunning(pid_t &pid)
{
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == pid) {
        pid = -1;
    }
    return pid > 0;
}

/** Ends the child: TERM, then KILL when it has not gone within a second. */
inline void stopChild(pid_t &pid)
{
    if (!childRunning(pid)) {
        return;
    }
    kill(pid, SIGTERM);
    for (int i = 0; i < 50 && childRunning(pid); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
}

class VirtualDisplay {
    private:
        pid_t m_pid = -1;
        std::string m_name;

        bool running() { return childRunning(m_pid); }
    public:
        /** Starts the server, its output going to logFile; waits up to 15 s for it. */
        explicit VirtualDisplay(const std::string &logFile = "/dev/null")
        {
            int ready[2];
            if (pipe(ready) != 0) {
                return;
            }
            const std::string fd = std::to_string(ready[1]);
            m_pid = fork();
            if (m_pid == 0) {
                int logFd = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
                int nullFd = open("/dev/null", O_RDONLY);
                if (logFd < 0 || nullFd < 0) {
                    _exit(127);
                }
                dup2(nullFd, 0);
                dup2(logFd, 1);
                dup2(logFd, 2);
                for (int other = 3; other < 256; ++other) {
                    if (other != ready[1]) {
                        close(other);
                    }
                }
                // -noreset: the server outlives the moments when no client is connected.
                execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x16",
                       "-nolisten", "tcp", "-noreset", static_cast<char *>(nullptr));
                _exit(127);
            }
            close(ready[1]);
            // The server writes its display number once it accepts clients.
            std::string number;
            auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
            while (m_pid > 0 && std::chrono::steady_clock::now() < end
                    && number.find('\n') == std::string::npos) {
                struct pollfd p = {ready[0], POLLIN, 0};
                char c;
                if (poll(&p, 1, 100) > 0) {
                    if (read(ready[0], &c, 1) != 1) {
                        break;
                    }
                    number += c;
                }
            }
            close(ready[0]);
            std::string::size_type newline = number.find('\n');
            if (newline != std::string::npos && newline > 0) {
                m_name = ":" + number.substr(0, newline);
            }
        }
        VirtualDisplay(const VirtualDisplay &) = delete;
        VirtualDisplay &operator=(const VirtualDisplay &) = delete;
        ~VirtualDisplay() { stop(); }
        /** Ends the server: TERM, then KILL when it has not gone within a second. */
        void stop() { stopChild(m_pid); }
        const std::string &name() const { return m_name; }
};

/** xdotool's output on the display, "" when it failed or ran over the seconds. */
inline std::string xdotool(const std::string &display, const std::string &args, int seconds = 10)
{
    std::string command = "DISPLAY=" + display + " timeout " + std::to_string(seconds) + " xdotool " + args
        + " 2>/dev/null";
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof(buffer), pipe)) {
        output += buffer;
    }
    return pclose(pipe) == 0 ? output : "";
}

}

#endif
