#include "CaseGuard.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace zentrel::fuzz {

namespace {

// What a dying process may touch: plain buffers prepared before the case started, written with
// calls that are safe in a signal handler.
char g_path[4096];
const char *g_bytes = nullptr;
size_t g_size = 0;
std::atomic<bool> g_running{false};
std::atomic<qint64> g_deadline{0};
std::atomic<bool> g_stop{false};
std::thread g_watchdog;
int g_timeoutSeconds = 0;

void say(const char *text) {
    ssize_t ignored = ::write(STDERR_FILENO, text, strlen(text));
    (void)ignored;
}

void saveRunningCase() {
    if (!g_running.exchange(false))
        return;
    const int fd = ::open(g_path, O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0)
        return;
    size_t written = 0;
    while (written < g_size) {
        const ssize_t n = ::write(fd, g_bytes + written, g_size - written);
        if (n <= 0)
            break;
        written += size_t(n);
    }
    ::close(fd);
    say("fuzz: the case that failed is saved as ");
    say(g_path);
    say("\n");
}

qint64 nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void watch() {
    while (!g_stop) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const qint64 deadline = g_deadline;
        if (g_running && deadline > 0 && nowMs() > deadline) {
            char text[128];
            snprintf(text, sizeof text, "fuzz: HANG: the case ran longer than %d s\n", g_timeoutSeconds);
            say(text);
            saveRunningCase();
            _exit(3);
        }
    }
}

#if !defined(__SANITIZE_ADDRESS__)
void onSignal(int signal) {
    say("fuzz: CRASH: signal ");
    say(strsignal(signal));
    say("\n");
    saveRunningCase();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

} // namespace

CaseGuard::CaseGuard(const QString &failuresFolder, int timeoutSeconds) {
    QDir().mkpath(failuresFolder);
    g_timeoutSeconds = timeoutSeconds;
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(saveRunningCase);
#else
    for (int s : {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS})
        std::signal(s, onSignal);
#endif
    g_stop = false;
    g_watchdog = std::thread(watch);
}

CaseGuard::~CaseGuard() {
    g_stop = true;
    g_watchdog.join();
}

void CaseGuard::begin(const QString &name, const QByteArray &bytes) {
    const QByteArray path = QFile::encodeName(name);
    qstrncpy(g_path, path.constData(), sizeof g_path);
    g_bytes = bytes.constData();
    g_size = size_t(bytes.size());
    g_deadline = nowMs() + qint64(g_timeoutSeconds) * 1000;
    g_running = true;
}

void CaseGuard::end() {
    g_running = false;
    g_deadline = 0;
}

} // namespace zentrel::fuzz
