// The test backend: the same canvas without a window, keys from a script,
// a log line for every call, PNG snapshots.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas_platform.h"

namespace platform {

struct HeadlessOptions {
    std::string keys;              // typed in order; one character per key
    std::string time = "00:00:00"; // what the clock reads
    bool render = false;           // draw on a canvas (needed for PNGs)
    int width = 1344, height = 756;  // canvas size in pixels
    std::string shotsDir;          // when set: a PNG at every key wait
    // false: Log() keeps only its "error" and "end" lines and Calls() stays
    // empty, so a run of many thousand keys does not grow without bound.
    bool keepRecord = true;
};

class HeadlessPlatform : public CanvasPlatform {
public:
    explicit HeadlessPlatform(HeadlessOptions options);

    std::string Inkey() override;
    [[noreturn]] void IdleUntilClosed() override;
    std::string Time() override { return options_.time; }
    void End() override;
    void NoteError(int line, int code) override;
    void MaximizeWindow() override;
    void SetMapMode(int mode) override;

    // A key that is already waiting before the next poll.
    void PushKey(const std::string& key) { queue_.push_back(key); }
    // More keys for the script.
    void AddKeys(const std::string& keys);

    const std::vector<std::string>& Log() const { return log_; }
    // The drawing calls made since the last ClearRecord.
    const std::vector<DrawCall>& Calls() const { return calls_; }
    void ClearRecord();
    bool Ended() const { return ended_; }
    bool WritePng(const std::string& path);
    // Keys taken by the program so far.
    int KeysTaken() const { return keysTaken_; }

protected:
    void Emit(const DrawCall& call) override;

private:
    HeadlessOptions options_;
    std::deque<std::string> script_;
    std::deque<std::string> queue_;
    std::vector<std::string> log_;
    std::vector<DrawCall> calls_;
    int emptyPolls_ = 0;
    int shots_ = 0;
    int keysTaken_ = 0;
    bool ended_ = false;
};

}  // namespace platform
