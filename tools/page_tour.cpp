#include "tools/page_tour.h"

#include <deque>
#include <functional>

namespace tour {

namespace {

class PageDriver {
public:
    PageDriver(const Program& program, const PageTourOptions& options, PageTourResult& result)
        : program_(program), options_(options), result_(result) {}

    std::string operator()(Wait wait) {
        if (pending_.empty() && !stuck_) Answer(wait);
        if (pending_.empty()) return "";
        std::string key = pending_.front();
        pending_.pop_front();
        return key;
    }

    const std::string& Page() const { return page_; }

private:
    void Answer(Wait wait) {
        if (++pageKeys_ > options_.maxKeysPerPage) return Stuck("no way back after many keys");
        switch (wait) {
            case Wait::MainMenu:
                if (lesson_ > 0) result_.exitEntries[lesson_] = entry_;
                if (entry_ > 0) NameExit();
                if (++lesson_ > program_.lessons) {
                    Open("main menu", std::to_string(program_.lessons + 1) + "\r");
                    return;
                }
                entry_ = 0;
                Open("lesson " + std::to_string(lesson_), std::to_string(lesson_) + "\r");
                return;
            case Wait::Submenu:
                if (++entry_ > options_.maxEntries) return Stuck("no sub-menu entry leads back");
                Open("lesson " + std::to_string(lesson_) + " entry " + std::to_string(entry_),
                     std::to_string(entry_) + "\r");
                examples_ = 0;
                return;
            case Wait::NextStep: Type(++examples_ < options_.examples ? "2\r" : "1\r"); return;
            case Wait::AnyKey: Type(" "); return;
            case Wait::OtherNumber: Type("1\r"); return;
        }
    }
    // The entry just opened was the sub-menu's last: its keys drew the
    // main menu.
    void NameExit() {
        const std::string exit = page_ + " (back to the main menu)";
        for (auto work = result_.work.rbegin(); work != result_.work.rend() && work->page == page_; ++work)
            work->page = exit;
    }
    void Open(const std::string& page, const std::string& keys) {
        page_ = page;
        pageKeys_ = 0;
        Type(keys);
    }
    void Type(const std::string& keys) {
        for (char c : keys) pending_.emplace_back(1, c);
    }
    void Stuck(const std::string& why) {
        stuck_ = true;
        result_.fault = "stuck on " + page_ + ": " + why;
    }

    const Program& program_;
    const PageTourOptions& options_;
    PageTourResult& result_;
    std::deque<std::string> pending_;
    std::string page_ = "main menu";
    int lesson_ = 0, entry_ = 0, examples_ = 0, pageKeys_ = 0;
    bool stuck_ = false;
};

}  // namespace

PageTourResult RunPageTour(const Program& program, const PageTourOptions& options) {
    PageTourResult result;
    PageDriver driver(program, options, result);
    platform::HeadlessOptions headless;
    headless.time = options.time;
    headless.render = options.render;
    headless.width = options.width;
    headless.height = options.height;
    headless.keepRecord = false;
    TourPlatform pf(headless, std::ref(driver));
    pf.ObserveWork([&](const std::string& key, Clock::duration work) {
        result.work.push_back({driver.Page(), key, work});
    });
    const Clock::time_point started = Clock::now();
    pf.SetDeadline(started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options.seconds)));
    try {
        program.run(pf);
        pf.EndWork();
        result.ended = true;
    } catch (const platform::WindowClosed&) {
    } catch (const OverTime&) {
        result.fault = "over time on " + driver.Page();
    }
    result.total = Clock::now() - started;
    if (pf.ErrorShown())
        result.fault = "error " + std::to_string(pf.ErrorLine()) + " " + std::to_string(pf.ErrorCode()) + " on " +
                       driver.Page();
    result.keys = pf.KeysTyped();
    result.keysTyped = pf.Typed();
    return result;
}

}  // namespace tour
