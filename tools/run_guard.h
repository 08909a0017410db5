// What guards the runs of a tour: a note naming the run in progress,
// written out if the process dies (a signal or a sanitizer report), and a
// watchdog for a run that goes on without calling the platform at all (a
// loop that neither draws nor polls, which no deadline check can stop).
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "tools/tour_platform.h"

namespace tour {

// Names the run about to start; installs the crash note the first time.
void NoteRun(const std::string& label);

class Watchdog {
public:
    Watchdog();
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The run about to start may take `limit`; long past it (twice the
    // limit and 5 s more) the process ends with the run's note.
    void Arm(Clock::duration limit);
    void Disarm();

private:
    void Watch();

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    Clock::time_point until_ = Clock::time_point::max();
    Clock::duration limit_{};
    std::thread thread_;
};

}  // namespace tour
