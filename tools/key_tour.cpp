#include "tools/key_tour.h"

#include <cstdio>
#include <deque>
#include <exception>
#include <set>
#include <utility>

#include "tools/key_script.h"
#include "tools/key_stream.h"
#include "tools/run_guard.h"
#include "tools/tour_platform.h"

namespace tour {

namespace {

// One run's keys: the lesson and the entry by number, then random keys.
class RunDriver {
public:
    RunDriver(const RunSpec& spec, RunOutcome& outcome)
        : spec_(spec), outcome_(outcome), stream_(spec.keySeed), randomLeft_(spec.randomKeys) {}

    std::string operator()(Wait wait) {
        std::string key = Choose(wait);
        if (!key.empty()) ++outcome_.keysAt[static_cast<size_t>(wait)];
        return key;
    }

    bool KeysLeft() const { return randomLeft_ > 0; }

private:
    enum class Phase { OpenLesson, FindSubmenu, OpenedEntry, Random };
    static constexpr int kGoalKeys = 200;

    std::string Choose(Wait wait) {
        if (!pending_.empty()) return Take();
        switch (phase_) {
            case Phase::OpenLesson:
                if (wait != Wait::MainMenu) break;
                Type(std::to_string(spec_.lesson) + "\r");
                phase_ = Phase::FindSubmenu;
                return Take();
            case Phase::FindSubmenu:
                if (wait == Wait::Submenu) {
                    outcome_.submenuReached = true;
                    Type(std::to_string(spec_.entry) + "\r");
                    phase_ = Phase::OpenedEntry;
                    return Take();
                }
                // Back at the main menu: the lesson has no sub-menu (yet).
                if (wait == Wait::MainMenu || ++goalKeys_ > kGoalKeys) break;
                // A goal screen that waits: the plainest answer.
                return wait == Wait::AnyKey ? " " : "\r";
            case Phase::OpenedEntry:
                if (wait == Wait::MainMenu) outcome_.exitEntry = true;
                else if (wait == Wait::Submenu) outcome_.emptyPage = true;
                break;
            case Phase::Random: break;
        }
        phase_ = Phase::Random;
        if (randomLeft_ <= 0) return "";
        --randomLeft_;
        return stream_.Next(wait);
    }

    void Type(const std::string& keys) {
        for (char c : keys) pending_.emplace_back(1, c);
    }
    std::string Take() {
        std::string key = pending_.front();
        pending_.pop_front();
        return key;
    }

    const RunSpec& spec_;
    RunOutcome& outcome_;
    KeyStream stream_;
    Phase phase_ = Phase::OpenLesson;
    std::deque<std::string> pending_;
    int goalKeys_ = 0;
    int randomLeft_;
};

int CountKeys(const std::string& keys) {
    int count = 0;
    for (char c : keys) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

RunOutcome RunOnce(const Program& program, const RunSpec& spec) {
    RunOutcome outcome;
    RunDriver driver(spec, outcome);
    platform::HeadlessOptions options;
    options.time = spec.time;
    options.keepRecord = false;
    options.render = spec.render;
    TourPlatform pf(options, std::ref(driver));
    pf.SetDeadline(Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(spec.seconds)));
    for (;;) {
        pf.ResetTyped();
        try {
            program.run(pf);
        } catch (const platform::WindowClosed&) {
            break;
        } catch (const OverTime&) {
            char text[64];
            std::snprintf(text, sizeof text, "over time (still running after %.1f s)", spec.seconds);
            outcome.fault = text;
            break;
        } catch (const std::exception& e) {
            // The runtime shows the error screen for any fault of its own;
            // nothing else may come out of a program.
            outcome.fault = std::string("exception out of the program: ") + e.what();
            break;
        } catch (...) {
            outcome.fault = "exception out of the program";
            break;
        }
        // Menu entry 8 ended the program; a pupil would start it again.
        if (!driver.KeysLeft()) break;
        ++outcome.restarts;
    }
    if (pf.ErrorShown())
        outcome.fault = "error " + std::to_string(pf.ErrorLine()) + " " + std::to_string(pf.ErrorCode());
    outcome.keysTyped = pf.KeysTyped();
    outcome.keys = pf.Typed();
    return outcome;
}

std::uint32_t KeySeed(const std::string& program, int seed, int lesson, int entry) {
    // FNV-1a over what the run opens.
    std::uint32_t hash = 2166136261u;
    auto mix = [&hash](std::uint32_t byte) { hash = (hash ^ byte) * 16777619u; };
    for (char c : program) mix(static_cast<unsigned char>(c));
    for (int part : {seed, lesson, entry})
        for (int shift = 0; shift < 32; shift += 8) mix((static_cast<std::uint32_t>(part) >> shift) & 0xFF);
    return hash;
}

TourReport RunTour(const TourOptions& options) {
    TourReport report;
    Watchdog watchdog;
    const Clock::time_point started = Clock::now();
    for (const std::string& name : options.programs) {
        const Program program = ProgramNamed(name);
        std::set<std::pair<int, int>> pages;
        for (int seed = options.firstSeed; seed < options.firstSeed + options.seeds; ++seed) {
            RunSpec spec;
            spec.time = ClockForSeed(seed);
            spec.randomKeys = options.keysPerRun;
            spec.seconds = options.runSeconds;
            spec.render = options.render;
            for (int lesson = 1; lesson <= program.lessons; ++lesson) {
                int exit = -1;
                for (int entry = 1; entry <= options.maxEntries && exit < 0; ++entry) {
                    spec.lesson = lesson;
                    spec.entry = entry;
                    spec.keySeed = KeySeed(name, seed, lesson, entry);
                    const std::string label = name + " " + spec.time + " lesson " + std::to_string(lesson) +
                                              " entry " + std::to_string(entry) + " key seed " +
                                              std::to_string(spec.keySeed);
                    NoteRun(label);
                    if (options.onRun) options.onRun(label);
                    watchdog.Arm(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(spec.seconds)));
                    const RunOutcome outcome = RunOnce(program, spec);
                    watchdog.Disarm();
                    ++report.runs;
                    report.keysDriven += outcome.keysTyped;
                    report.restarts += outcome.restarts;
                    for (size_t i = 0; i < report.keysAt.size(); ++i) report.keysAt[i] += outcome.keysAt[i];
                    if (!outcome.fault.empty())
                        report.findings.push_back({name, spec.time, lesson, entry, spec.keySeed, outcome.fault, outcome.keys});
                    if (!outcome.submenuReached) exit = 0;
                    else if (outcome.exitEntry) exit = entry;
                    else if (!outcome.emptyPage) pages.insert({lesson, entry});
                }
                if (exit < 0)
                    report.findings.push_back({name, spec.time, lesson, 0, 0,
                                               "no sub-menu entry up to " + std::to_string(options.maxEntries) +
                                                   " leads back to the main menu",
                                               ""});
                report.exitEntries[name][lesson] = exit;
            }
        }
        report.pagesWithContent[name] = static_cast<int>(pages.size());
    }
    report.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    return report;
}

std::string Describe(const Finding& finding) {
    std::string text = finding.program + " at " + finding.time + ", lesson " + std::to_string(finding.lesson) +
                       " entry " + std::to_string(finding.entry) + " (key seed " + std::to_string(finding.keySeed) +
                       "): " + finding.what;
    if (!finding.keys.empty())
        text += "\n  " + std::to_string(CountKeys(finding.keys)) + " keys; shown by:\n  lesson-replay --program " +
                finding.program + " --time " + finding.time + " --png finding.png --keys " +
                ShellQuoted(tools::EscapeKeys(finding.keys));
    return text;
}

}  // namespace tour
