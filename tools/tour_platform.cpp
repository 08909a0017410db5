#include "tools/tour_platform.h"

namespace tour {

namespace {

using platform::DrawCall;
using platform::DrawKind;

// Where the prompts start: the main menu's prompt left of the number
// field, a sub-menu line and "次のステップは１を入力。" in the prompt bar, and
// the any-key prompts.
bool At(const DrawCall& call, float x, float y) { return call.points[0].x == x && call.points[0].y == y; }

// The number field's cursor: a disc of radius 4 on the field's row,
// drawn (or erased) around every poll of the field.
bool IsFieldCursor(const DrawCall& call) {
    return call.kind == DrawKind::Circle && call.radius == 4 && call.filled && call.points[0].y == 656;
}

}  // namespace

const char* WaitName(Wait wait) {
    switch (wait) {
        case Wait::AnyKey: return "any key";
        case Wait::MainMenu: return "main menu";
        case Wait::Submenu: return "sub-menu";
        case Wait::NextStep: return "next step";
        case Wait::OtherNumber: return "number field";
    }
    return "";
}

TourPlatform::TourPlatform(platform::HeadlessOptions options, Driver driver)
    : HeadlessPlatform(std::move(options)), driver_(std::move(driver)) {}

void TourPlatform::CheckDeadline() const {
    if (Clock::now() > deadline_) throw OverTime{};
}

void TourPlatform::EndWork() {
    const Clock::time_point now = Clock::now();
    if (!working_) return;
    working_ = false;
    if (observer_) observer_(takenKey_, now - takenAt_);
}

std::string TourPlatform::Inkey() {
    EndWork();
    CheckDeadline();
    // One key at a time: the driver chooses each key seeing the wait it
    // answers.
    if (!keyWaiting_) {
        std::string key = driver_(WaitNow());
        if (!key.empty()) {
            AddKeys(key);
            typed_ += key;
            ++keysTyped_;
            keyWaiting_ = true;
        }
    }
    std::string key = HeadlessPlatform::Inkey();
    if (!key.empty()) {
        keyWaiting_ = false;
        working_ = true;
        takenKey_ = key;
        takenAt_ = Clock::now();
    }
    return key;
}

void TourPlatform::Emit(const DrawCall& call) {
    CheckDeadline();
    inField_ = IsFieldCursor(call);
    if (call.kind == DrawKind::Text) {
        if (At(call, 816, 648)) lastPrompt_ = Wait::MainMenu;
        else if (At(call, 16, 666)) lastPrompt_ = Wait::Submenu;
        else if (At(call, 128, 648)) lastPrompt_ = Wait::NextStep;
        else if (At(call, 1008, 648)) {
            // "入力" opens a field: its owner is the prompt drawn since the
            // last field, if any.
            fieldOwner_ = lastPrompt_;
            lastPrompt_ = Wait::OtherNumber;
        }
    }
    HeadlessPlatform::Emit(call);
}

}  // namespace tour
