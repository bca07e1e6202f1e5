#pragma once

#include "app/feuillep.h"
#include "support/doubles.h"
#include "support/programdir.h"

#include <QTest>
#include <QVariant>
#include <deque>
#include <gtest/gtest.h>

namespace orbane::test {

// Answers the colour dialog from a queue; an empty queue cancels.
class ScriptedChooser final : public ColourChooser
{
public:
    std::deque<std::optional<Rgb>> answers;
    int asked = 0;
    Rgb lastCurrent = 0;
    std::optional<Rgb> choose(Rgb current, QWidget *) override
    {
        ++asked;
        lastCurrent = current;
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// The real main window over test services, shown offscreen.
struct AppFixture : ::testing::Test
{
    ProgramDir dir;
    ScriptedDialogs dialogs;
    RecordingSound sound;
    CountingBeeper beeper;
    ScriptedChooser chooser;
    Services services{&dialogs, &sound, &beeper};
    std::unique_ptr<FeuilleP> w;

    void SetUp() override
    {
        w = std::make_unique<FeuilleP>(dir.path(), &services, &chooser);
        ASSERT_TRUE(w->load());
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }

    template <typename T> T *child(const char *name)
    {
        T *c = w->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    // An element of a control array.
    template <typename T> T *element(const char *name, int index)
    {
        for (T *c : w->findChildren<T *>(QString::fromLatin1(name)))
            if (c->property("index").toInt() == index)
                return c;
        ADD_FAILURE() << name << "(" << index << ") missing";
        return nullptr;
    }
};

} // namespace orbane::test
