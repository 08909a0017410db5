#include "tools/run_guard.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__) && __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define TOUR_SANITIZED 1
#endif

namespace tour {

namespace {

// Read from a signal handler: a plain buffer, written only between runs.
char g_note[512] = "";

void WriteNote() {
    static const char kLead[] = "\nkey tour: the run in progress: ";
    if (write(STDERR_FILENO, kLead, sizeof kLead - 1) < 0) return;
    if (write(STDERR_FILENO, g_note, std::strlen(g_note)) < 0) return;
    if (write(STDERR_FILENO, "\n", 1) < 0) return;
}

#ifndef TOUR_SANITIZED
void OnFatalSignal(int signal) {
    WriteNote();
    // The handler was reset on entry: the signal now does what it would have.
    std::raise(signal);
}
#endif

void InstallCrashNote() {
    static bool installed = false;
    if (installed) return;
    installed = true;
#ifdef TOUR_SANITIZED
    // The sanitizers handle the signals and report first; then they die.
    __sanitizer_set_death_callback(WriteNote);
#else
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    action.sa_flags = SA_RESETHAND;
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) sigaction(signal, &action, nullptr);
#endif
}

}  // namespace

void NoteRun(const std::string& label) {
    InstallCrashNote();
    std::snprintf(g_note, sizeof g_note, "%s", label.c_str());
}

Watchdog::Watchdog() : thread_([this] { Watch(); }) {}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void Watchdog::Arm(Clock::duration limit) {
    std::lock_guard lock(mutex_);
    limit_ = limit;
    until_ = Clock::now() + 2 * limit + std::chrono::seconds(5);
}

void Watchdog::Disarm() {
    std::lock_guard lock(mutex_);
    until_ = Clock::time_point::max();
}

void Watchdog::Watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, std::chrono::milliseconds(100));
        if (stopping_ || Clock::now() <= until_) continue;
        const double seconds = std::chrono::duration<double>(limit_).count();
        std::fprintf(stderr, "key tour: a run still going long after its %.1f s, without drawing or polling the keyboard",
                     seconds);
        WriteNote();
        std::_Exit(3);
    }
}

}  // namespace tour
