#include "tools/layout_check.h"

#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <tuple>

#include "platform/basic.h"
#include "tools/column_sums.h"
#include "tools/key_script.h"
#include "tools/tour_platform.h"
#include "tools/tour_programs.h"

namespace layout {

namespace {

using tour::Wait;

// A tour platform that also keeps the screen as ink.
class CheckPlatform : public tour::TourPlatform {
public:
    CheckPlatform(platform::HeadlessOptions options, Driver driver, platform::FontBook& fonts)
        : TourPlatform(std::move(options), std::move(driver)), scene_(fonts) {
        AddObserver(scene_);
        AddObserver(sums_);
    }

    [[noreturn]] void IdleUntilClosed() override {
        if (onIdle_) onIdle_();
        TourPlatform::IdleUntilClosed();
    }
    void OnIdle(std::function<void()> look) { onIdle_ = std::move(look); }
    std::vector<Finding> Look() {
        std::vector<Finding> findings = scene_.Look(), sums = sums_.Look();
        findings.insert(findings.end(), sums.begin(), sums.end());
        return findings;
    }
    void CountRead(ReadCounts& counts) const {
        scene_.CountRead(counts);
        sums_.CountRead(counts);
    }

private:
    InkScene scene_;
    ColumnSums sums_;
    std::function<void()> onIdle_;
};

// The place the made-up fault at the main menu names: a fixed line, so
// that its error screen reads " 1234, 11..." whatever this file's lines are
// and the accepted list can name it.
constexpr basic::Where kFaultAtMenu{"tools/layout_check.cpp", 1234, "RunDriver::Answer"};

// What one run does: open a lesson, open one of its entries, answer every
// wait plainly, then type a refused entry (0) and stop at the sub-menu
// that asks again. Entry 0 opens only the lesson; with `failAtMenu` the
// run ends in the error screen instead.
struct RunPlan {
    int lesson = 0, entry = 0;
    bool failAtMenu = false;
};

enum class RunEnd { Done, EntryLeadsBack, NoSubmenu };

class RunDriver {
public:
    RunDriver(const RunPlan& plan, int examples) : plan_(plan), examples_(examples) {}

    std::string operator()(Wait wait) {
        if (pending_.empty() && !stopped_) Answer(wait);
        if (pending_.empty()) return "";
        std::string key = pending_.front();
        pending_.pop_front();
        return key;
    }
    // Waiting with nothing typed yet: a screen to look at.
    bool Fresh() const { return pending_.empty() && !stopped_; }
    const std::string& Page() const { return page_; }
    RunEnd End() const { return end_; }

private:
    void Answer(Wait wait) {
        switch (wait) {
            case Wait::MainMenu:
                if (plan_.failAtMenu) throw basic::RuntimeError(basic::kDivisionByZero, kFaultAtMenu);
                if (stage_ == 0) {
                    stage_ = 1;
                    page_ = "lesson " + std::to_string(plan_.lesson);
                    return Type(std::to_string(plan_.lesson) + "\r");
                }
                // Back at the menu: the entry was the lesson's last, or the
                // lesson has no sub-menu.
                end_ = stage_ == 1 ? RunEnd::NoSubmenu : RunEnd::EntryLeadsBack;
                return Stop();
            case Wait::Submenu:
                if (stage_ == 1 && plan_.entry > 0) {
                    stage_ = 2;
                    page_ += " entry " + std::to_string(plan_.entry);
                    return Type(std::to_string(plan_.entry) + "\r");
                }
                if (stage_ == 2) {
                    stage_ = 3;
                    return Type("0\r");
                }
                return Stop();
            case Wait::NextStep: return Type(++shown_ < examples_ ? "2\r" : "1\r");
            case Wait::AnyKey: return Type(" ");
            case Wait::OtherNumber: return Type("1\r");
        }
    }
    void Type(const std::string& keys) {
        for (char c : keys) pending_.emplace_back(1, c);
    }
    void Stop() { stopped_ = true; }

    RunPlan plan_;
    int examples_;
    std::deque<std::string> pending_;
    std::string page_ = "main menu";
    int stage_ = 0, shown_ = 0;
    bool stopped_ = false;
    RunEnd end_ = RunEnd::Done;
};

class Checker {
public:
    Checker(const CheckOptions& options, CheckReport& report) : options_(options), report_(report) {}

    RunEnd Run(const tour::Program& program, const std::string& time, const RunPlan& plan) {
        RunDriver driver(plan, options_.examples);
        CheckPlatform* self = nullptr;
        auto look = [&](const std::string& page) { Look(program.name, page, time, self->Typed(), self->Look()); };
        platform::HeadlessOptions headless;
        headless.time = time;
        headless.keepRecord = false;
        headless.render = !options_.pngDir.empty();
        CheckPlatform pf(
            headless,
            [&](Wait wait) {
                if (driver.Fresh()) look(driver.Page());
                return driver(wait);
            },
            fonts_);
        self = &pf;
        pf.OnIdle([&] { look(plan.failAtMenu ? "error screen" : driver.Page()); });
        pf.SetDeadline(tour::Clock::now() + std::chrono::duration_cast<tour::Clock::duration>(
                                                std::chrono::duration<double>(options_.runSeconds)));
        const std::string name = program.name + " " + time + " " + driver.Page();
        try {
            program.run(pf);
        } catch (const platform::WindowClosed&) {
        } catch (const tour::OverTime&) {
            report_.faults.push_back(name + ": over time");
        }
        if (!options_.pngDir.empty()) {
            std::string name = program.name + "-" + time + "-" + (plan.failAtMenu ? "error screen" : driver.Page());
            for (char& c : name)
                if (c == ' ' || c == ':') c = '_';
            std::filesystem::create_directories(options_.pngDir);
            pf.WritePng((std::filesystem::path(options_.pngDir) / (name + ".png")).string());
        }
        pf.CountRead(report_.read[program.name]);
        if (pf.ErrorShown() && !plan.failAtMenu)
            report_.faults.push_back(program.name + " " + time + " " + driver.Page() + ": error " +
                                     std::to_string(pf.ErrorLine()) + " " + std::to_string(pf.ErrorCode()));
        return driver.End();
    }

private:
    void Look(const std::string& program, const std::string& page, const std::string& time, const std::string& typed,
              const std::vector<Finding>& findings) {
        ++report_.screens;
        ++report_.read[program].screens;
        std::array<bool, kKinds> kinds{};
        for (const Finding& finding : findings) {
            kinds[static_cast<int>(finding.kind)] = true;
            const auto key = std::make_tuple(program, page, static_cast<int>(finding.kind), finding.what);
            auto [it, added] = seen_.try_emplace(key, report_.findings.size());
            if (added)
                report_.findings.push_back({finding.kind, program, page, finding.what, finding.detail, time, typed, 0});
            ++report_.findings[it->second].screens;
        }
        for (int k = 0; k < kKinds; ++k) report_.screensWith[k] += kinds[k];
    }

    const CheckOptions& options_;
    CheckReport& report_;
    platform::FontBook fonts_;
    std::map<std::tuple<std::string, std::string, int, std::string>, size_t> seen_;
};

Kind KindNamed(const std::string& name) {
    for (int k = 0; k < kKinds; ++k)
        if (name == KindName(static_cast<Kind>(k))) return static_cast<Kind>(k);
    throw std::runtime_error("no kind of finding named \"" + name + "\"");
}

// The length of a group of numbers in parentheses at `at` ("(76,180)",
// "(-3.5)"), or 0.
size_t NumbersAt(const std::string& text, size_t at) {
    if (at >= text.size() || text[at] != '(') return 0;
    size_t end = at + 1;
    bool digits = false;
    for (; end < text.size(); ++end) {
        const char c = text[end];
        if (std::isdigit(static_cast<unsigned char>(c))) digits = true;
        else if (c != '.' && c != ',' && c != '-') break;
    }
    return digits && end < text.size() && text[end] == ')' ? end + 1 - at : 0;
}

// A finding's "what" without its places and measures (see Accepted).
std::string WithoutPlaces(const std::string& what) {
    std::string rest;
    bool quoted = false;
    for (size_t i = 0; i < what.size();) {
        if (what[i] == '"') quoted = !quoted;
        size_t length = quoted ? 0 : NumbersAt(what, i);
        if (length == 0) {
            rest += what[i++];
            continue;
        }
        // A box's corners: "(x,y)-(x,y)".
        while (i + length < what.size() && what[i + length] == '-' && NumbersAt(what, i + length + 1) > 0)
            length += 1 + NumbersAt(what, i + length + 1);
        if (!rest.empty() && rest.back() == ' ') rest.pop_back();
        i += length;
    }
    return rest;
}

bool Matches(const std::string& pattern, const std::string& what) {
    if (!pattern.empty() && pattern.back() == '*')
        return what.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return pattern == what;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CheckReport RunLayoutCheck(const CheckOptions& options) {
    CheckReport report;
    Checker checker(options, report);
    for (const std::string& name : options.programs) {
        const tour::Program program = tour::ProgramNamed(name);
        for (int seed : options.seeds) {
            const std::string time = tour::ClockForSeed(seed);
            for (int lesson = 1; lesson <= program.lessons; ++lesson) {
                if (checker.Run(program, time, {lesson, 0}) == RunEnd::NoSubmenu) continue;
                for (int entry = 1; entry <= options.maxEntries; ++entry)
                    if (checker.Run(program, time, {lesson, entry}) == RunEnd::EntryLeadsBack) break;
            }
        }
        checker.Run(program, tour::ClockForSeed(options.seeds.empty() ? 0 : options.seeds.front()),
                    {0, 0, /*failAtMenu*/ true});
    }
    return report;
}

std::string ReplayCommand(const Occurrence& finding) {
    if (finding.page == "error screen") return "(the error screen: the check makes a runtime error at the main menu)";
    std::string keys;
    for (char c : tools::EscapeKeys(finding.typed)) keys += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return "build/tools/lesson-replay --program " + finding.program + " --time " + finding.time + " --keys '" + keys +
           "' --png out.png";
}

std::vector<Accepted> ReadAccepted(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<Accepted> accepted;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (Trim(line).empty() || Trim(line)[0] == '#') continue;
        std::vector<std::string> fields;
        for (size_t start = 0;;) {
            const size_t bar = line.find(" | ", start);
            fields.push_back(Trim(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
            if (bar == std::string::npos) break;
            start = bar + 3;
        }
        if (fields.size() != 5 || fields[4].empty())
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": expected \"kind | program | page | what | reason\"");
        accepted.push_back({KindNamed(fields[0]), fields[1], fields[2], fields[3], fields[4]});
    }
    return accepted;
}

bool IsAccepted(const std::vector<Accepted>& accepted, const Occurrence& finding) {
    for (const Accepted& a : accepted) {
        if (a.kind != finding.kind || a.program != finding.program || a.page != finding.page) continue;
        // An entry that names places matches at those places only.
        const bool placed = WithoutPlaces(a.what) != a.what;
        if (Matches(a.what, placed ? finding.what : WithoutPlaces(finding.what))) return true;
    }
    return false;
}

}  // namespace layout
