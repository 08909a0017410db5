// The headless platform of the tours: at every wait it asks a driver for
// the next key, knowing what the program waits for; it bounds a run in
// wall-clock time and times the program's work on each key.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "platform/headless_platform.h"

namespace tour {

using Clock = std::chrono::steady_clock;

// What the program waits for when it polls the keyboard, as the runtime
// tells it by the kind of the prompt it drew last: the number field of the
// main menu ("番号を入力して下さい。"), of a sub-menu (its line in the prompt
// bar), of "次のステップは１を入力。" or of another prompt; or any key.
enum class Wait { AnyKey, MainMenu, Submenu, NextStep, OtherNumber };
inline constexpr int kWaitKinds = 5;
const char* WaitName(Wait wait);

// Thrown out of a drawing call or a poll once a run is past its time.
// Deliberately not a std::exception: the runtime's error screen must not
// take it for a fault of the program.
struct OverTime {};

class TourPlatform : public platform::HeadlessPlatform {
public:
    // Gives the key to type at a poll that finds none waiting; "" types
    // nothing, so the program waits there until the run ends.
    using Driver = std::function<std::string(Wait)>;
    // Called after each key with the program's work on it: from the poll
    // that took the key to the next poll, which finds none.
    using WorkObserver = std::function<void(const std::string& key, Clock::duration work)>;

    TourPlatform(platform::HeadlessOptions options, Driver driver);

    std::string Inkey() override;

    void SetDeadline(Clock::time_point deadline) { deadline_ = deadline; }
    void ObserveWork(WorkObserver observer) { observer_ = std::move(observer); }
    // The program returned (menu entry 8): its work on the last key ends.
    void EndWork();

    // Every key typed since the last ResetTyped, in order.
    const std::string& Typed() const { return typed_; }
    void ResetTyped() { typed_.clear(); }
    int KeysTyped() const { return keysTyped_; }

protected:
    void Emit(const platform::DrawCall& call) override;

private:
    void CheckDeadline() const;

    Driver driver_;
    WorkObserver observer_;
    Clock::time_point deadline_ = Clock::time_point::max();
    // What the program waits for, from the kinds of the prompts it draws; a
    // field's owner is the prompt drawn before its "入力" label.
    class WaitReader : public platform::DrawingObserver {
    public:
        void BeginTextPiece(const std::string& source, platform::Point at, platform::PieceKind kind) override;
        Wait Now() const { return wait_; }

    private:
        Wait lastPrompt_ = Wait::OtherNumber;
        Wait wait_ = Wait::AnyKey;
    };
    WaitReader waits_;
    bool keyWaiting_ = false;  // a typed key the program has not taken yet
    bool working_ = false;     // a key was taken and the program works on it
    Clock::time_point takenAt_{};
    std::string takenKey_;
    std::string typed_;
    int keysTyped_ = 0;
};

}  // namespace tour
