#include "tools/tour_platform.h"

namespace tour {

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
    : HeadlessPlatform(std::move(options)), driver_(std::move(driver)) {
    AddObserver(waits_);
}

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
        std::string key = driver_(waits_.Now());
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

void TourPlatform::Emit(const platform::DrawCall& call) {
    CheckDeadline();
    HeadlessPlatform::Emit(call);
}

void TourPlatform::WaitReader::BeginTextPiece(const std::string&, platform::Point, platform::PieceKind kind) {
    using platform::PieceKind;
    switch (kind) {
        case PieceKind::MenuPrompt: lastPrompt_ = Wait::MainMenu; break;
        case PieceKind::SubmenuLine: lastPrompt_ = Wait::Submenu; break;
        case PieceKind::NextStepPrompt: lastPrompt_ = Wait::NextStep; break;
        case PieceKind::FieldLabel:
            // "入力" opens a field: its owner is the prompt drawn since the
            // last field, if any.
            wait_ = lastPrompt_;
            lastPrompt_ = Wait::OtherNumber;
            break;
        case PieceKind::KeyPrompt: wait_ = Wait::AnyKey; break;
        case PieceKind::Text:
        case PieceKind::SignMark: break;
    }
}

}  // namespace tour
