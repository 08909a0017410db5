// The random systems of the elimination example pages: the worked orders
// of draws, and the rules over every clock seed.
#include <cmath>
#include <set>

#include "lessons/kanovel/kanovel_lessons.h"
#include "tests/test_support.h"

namespace {

using testing_support::RuntimeTest;

struct System {
    float a1, b1, a2, b2, c1, c2;
    bool operator==(const System&) const = default;
};

std::ostream& operator<<(std::ostream& out, const System& s) {
    return out << s.a1 << "x+" << s.b1 << "y=" << s.c1 << ", " << s.a2 << "x+" << s.b2 << "y=" << s.c2;
}

class RandomSystems : public RuntimeTest {
protected:
    RandomSystems() : lessons(rt) {}
    kanovel::KanovelLessons lessons;

    System Current() {
        return {rt.solverCoef(1), rt.solverCoef(2), rt.solverCoef(3), rt.solverCoef(4), rt.solverConst(1),
                rt.solverConst(2)};
    }
};

TEST_F(RandomSystems, WorkedDrawsGiveTheListedSystems) {
    const std::vector<float> drawsA = {0.1f, 0.9f, 0.3f, 0.7f, 0.5f, 0.2f, 0.6f, 0.8f, 0.0f, 0.4f, 0.55f};
    rt.random.Feed(drawsA);
    lessons.exampleCount = 0;
    lessons.MakeRandomSystemA();
    EXPECT_EQ(Current(), (System{-2, -5, 7, -5, -23, -32}));
    EXPECT_EQ(rt.coefPool(1), 3);  // the pool is left as 3, 6, 8, 9
    EXPECT_EQ(rt.coefPool(2), 6);
    rt.random.Feed(drawsA);
    lessons.exampleCount = 1;
    lessons.MakeRandomSystemA();
    EXPECT_EQ(Current(), (System{-2, 5, 7, -5, 27, -32}));

    rt.random.Feed({0.45f, 0.25f, 0.6f, 0.1f, 0.7f, 0.9f, 0.1f, 0.3f, 0.2f, 0.8f, 0.6f, 0.9f});
    lessons.MakeRandomSystemB();
    EXPECT_EQ(Current(), (System{2, 3, -4, 2, 0, -16}));

    // C gives up its first attempt (6 and 2 divide) after twelve draws and
    // starts again with a new solution.
    std::vector<float> drawsC = {0.3f, 0.5f, 0.9f, 0.2f, 0.4f, 0.6f, 0.7f, 0.1f, 0.9f, 0.5f, 0.2f, 0.8f};
    const std::vector<float> accepted = {0.3f, 0.5f, 0.9f, 0.2f, 0.4f, 0.6f, 0.7f, 0.1f, 0.5f, 0.5f, 0.2f, 0.8f, 0.3f};
    drawsC.insert(drawsC.end(), accepted.begin(), accepted.end());
    rt.random.Randomize(0);
    rt.random.Feed(drawsC);
    lessons.MakeRandomSystemC();
    EXPECT_EQ(Current(), (System{-5, 2, 3, 7, -16, -15}));
    EXPECT_EQ(rt.random.Draws(), 25);
}

TEST_F(RandomSystems, GeneratorBAdjustsAndRetries) {
    // b1 = 3, m = 4, negative b2: -9 becomes -10.
    rt.random.Feed({0.0f, 0.0f, 0.9f, 0.9f, 0.0f, 0.9f, 0.9f, 0.9f, 0.0f, 0.9f, 0.0f, 0.9f});
    lessons.MakeRandomSystemB();
    EXPECT_EQ(Current(), (System{1, 3, 4, -10, 4, -6}));
    // b1 = -3, m = 3: b2 = 12 stays.
    rt.random.Feed({0.0f, 0.0f, 0.9f, 0.9f, 0.0f, 0.9f, 0.5f, 0.9f, 0.0f, 0.0f, 0.9f, 0.9f});
    lessons.MakeRandomSystemB();
    EXPECT_EQ(Current(), (System{1, -3, 3, -12, -2, -9}));
}

// Every accepted system over many draws from every clock seed.
TEST_F(RandomSystems, RulesHoldForEverySeed) {
    auto whole = [](float v) { return v == std::floor(v) && v != 0; };
    std::set<float> smallPool = {2, 3, 5, 6, 7};
    for (int seed = 0; seed <= 141; ++seed) {
        rt.random.Randomize(seed);
        for (int draw = 0; draw < 60; ++draw) {
            for (int generator = 0; generator < 3; ++generator) {
                lessons.exampleCount = static_cast<float>(draw);
                if (generator == 0) lessons.MakeRandomSystemA();
                if (generator == 1) lessons.MakeRandomSystemB();
                if (generator == 2) lessons.MakeRandomSystemC();
                const System s = Current();
                const float x = lessons.solutionX, y = lessons.solutionY;
                ASSERT_TRUE(whole(s.a1) && whole(s.b1) && whole(s.a2) && whole(s.b2)) << s;
                ASSERT_TRUE(whole(x) && std::fabs(x) <= 5 && whole(y) && std::fabs(y) <= 5);
                ASSERT_EQ(s.c1, s.a1 * x + s.b1 * y) << s;
                ASSERT_EQ(s.c2, s.a2 * x + s.b2 * y) << s;
                ASSERT_LE(std::fabs(s.c1), 99);
                ASSERT_LE(std::fabs(s.c2), 99);
                ASSERT_NE(s.a1 * s.b2 - s.a2 * s.b1, 0) << s;  // exactly one solution
                const float a1 = std::fabs(s.a1), b1 = std::fabs(s.b1), a2 = std::fabs(s.a2), b2 = std::fabs(s.b2);
                if (generator == 0) {
                    // One unknown's pair is equal on even examples, opposite on odd ones.
                    const float sign = draw % 2 ? -1 : 1;
                    ASSERT_TRUE(s.a2 == sign * s.a1 || s.b2 == sign * s.b1) << s;
                    for (float m : {a1, b1, a2, b2}) ASSERT_TRUE(smallPool.count(m)) << s;
                } else if (generator == 1) {
                    auto ratio = [](float p, float q) { return p != 0 && (q / p == 2 || q / p == 3 || q / p == 4); };
                    ASSERT_TRUE(ratio(a1, a2) || ratio(b1, b2) || ratio(a2, a1) || ratio(b2, b1)) << s;
                } else {
                    ASSERT_EQ((std::set<float>{a1, b1, a2, b2}).size(), 4u) << s;
                    for (float m : {a1, b1, a2, b2}) ASSERT_TRUE(smallPool.count(m)) << s;
                    ASSERT_NE(std::fmod(a1, a2), 0) << s;
                    ASSERT_NE(std::fmod(a2, a1), 0) << s;
                    ASSERT_NE(std::fmod(b1, b2), 0) << s;
                    ASSERT_NE(std::fmod(b2, b1), 0) << s;
                }
            }
        }
    }
}

}  // namespace
