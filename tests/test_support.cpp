#include "tests/test_support.h"

#include "lessons/kanovel/kanovel.h"
#include "lessons/tirosam/tirosam.h"

namespace testing_support {

RuntimeTest::RuntimeTest() : pf(platform::HeadlessOptions{}), rt(pf, kanovel::ProgramData()) {
    rt.StartProgram();
    pf.ClearRecord();
}

std::vector<DrawCall> RuntimeTest::CallsOf(DrawKind kind) const {
    std::vector<DrawCall> out;
    for (const DrawCall& call : pf.Calls())
        if (call.kind == kind) out.push_back(call);
    return out;
}

std::string RuntimeTest::DrawnText() const {
    std::string out;
    for (const DrawCall& call : pf.Calls())
        if (call.kind == DrawKind::Text) out += call.text;
    return out;
}

std::vector<std::string> RuntimeTest::LogLines(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : pf.Log())
        if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
}

RunResult RunProgram(const std::string& program, const std::string& keys, const std::string& time) {
    platform::HeadlessOptions options;
    options.keys = keys;
    options.time = time;
    platform::HeadlessPlatform headless(options);
    try {
        if (program == "kanovel") kanovel::Run(headless);
        else tirosam::Run(headless);
    } catch (const platform::WindowClosed&) {
    }
    RunResult result;
    result.log = headless.Log();
    result.ended = headless.Ended();
    for (const std::string& line : result.log)
        if (line.rfind("error ", 0) == 0) result.errorShown = true;
    // One key a character: count the lead bytes of the UTF-8 text.
    for (unsigned char c : keys) result.keysGiven += (c & 0xC0) != 0x80;
    result.keysTaken = headless.KeysTaken();
    return result;
}

}  // namespace testing_support
