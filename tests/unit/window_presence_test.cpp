#include <gtest/gtest.h>

#include <vector>

#include "app/WindowPresence.h"

namespace {

using enum PresenceEvent;
using enum WindowAction;
constexpr IconAction NoIcon = IconAction::None, Add = IconAction::Add, AddAgain = IconAction::AddAgain,
                     Modify = IconAction::Modify, Delete = IconAction::Delete;

const PresenceAnswer kNothing{};
const PresenceAnswer kRefused{None, NoIcon, true};

struct Case {
    const char* what;
    bool inTray;  // "/tray"
    std::vector<PresenceEvent> before;
    PresenceEvent event;
    PresenceAnswer expected;
};

// The icon in the tray with the window hidden; the same, refused the add
// of a new taskbar; a start in the tray before the shell; its first add
// from the tick, one second later.
#define IN_TRAY StartWithIcon, AddAccepted, Minimized
#define KEPT IN_TRAY, TaskbarCreated, AddRefused
#define NO_SHELL StartWithIcon, AddRefused, Minimized, Tick
#define RETRY NO_SHELL, Tick

const Case kCases[] = {
    {"a start adds the wanted icon", false, {}, StartWithIcon, {None, Add}},
    {"a start without the tray says so", false, {StartWithIcon}, AddRefused, {None, NoIcon, false, true}},
    {"a start in the tray says nothing", true, {StartWithIcon}, AddRefused, kNothing},
    {"a start in the tray minimizes", true, {}, Start, {ShowMinimized}},
    {"held in the tray from the start", true, {StartWithIcon, AddAccepted}, ShowAsked, kRefused},
    {"held minimized until the first tick", true, {Start}, RestoreAsked, kRefused},
    {"a restore after it is the user's", true, {Start, Tick}, RestoreAsked, kNothing},
    {"and stays hidden after the first tick", true, {StartWithIcon, AddAccepted, Minimized, Tick}, ShowAsked, kRefused},
    {"the shell comes: the icon is added", true, {NO_SHELL}, TaskbarCreated, {None, Add}},
    {"and the window goes into the tray", true, {NO_SHELL, TaskbarCreated}, AddAccepted, {Hide}},
    {"restored before, it stays out", false, {NO_SHELL, RestoreAsked, TaskbarCreated}, AddAccepted, kNothing},
    {"minimizing with the icon hides", false, {StartWithIcon, AddAccepted}, Minimized, {Hide}},
    {"minimizing without it does not", false, {StartWithIcon, AddRefused}, Minimized, kNothing},
    {"in the tray no show", false, {IN_TRAY}, ShowAsked, kRefused},
    {"a second start's restore goes on hidden", false, {IN_TRAY, RestoreAsked}, ShowAsked, kRefused},
    {"the icon brings the window back", false, {IN_TRAY}, IconRestore, {RestoreAndBringForward}},
    {"and then it may show", false, {IN_TRAY, IconRestore}, ShowAsked, kNothing},
    {"Settings restores the window first", false, {IN_TRAY}, SettingsCommand, {RestoreAndBringForward}},
    {"ticking the setting adds the icon", false, {Start}, SettingOn, {None, Add}},
    {"silently when refused", false, {Start, SettingOn}, AddRefused, kNothing},
    {"and again at the next OK", false, {StartWithIcon, AddRefused}, SettingOn, {None, Add}},
    {"clearing it deletes the icon", false, {StartWithIcon, AddAccepted}, SettingOff, {None, Delete}},
    {"a new taskbar: the icon again", false, {StartWithIcon, AddAccepted}, TaskbarCreated, {None, AddAgain}},
    {"refused there: modified", false, {IN_TRAY, TaskbarCreated}, AddRefused, {None, Modify}},
    {"so the window stays in the tray", false, {KEPT}, ShowAsked, kRefused},
    {"and the next minimize hides", false, {KEPT, IconRestore}, Minimized, {Hide}},
    {"a modify refused too: the icon is gone", false, {KEPT}, ModifyRefused, {ShowMinimized, Delete}},
    {"the window shows on the taskbar", false, {KEPT, ModifyRefused}, ShowAsked, kNothing},
    {"until the next taskbar", false, {KEPT, ModifyRefused}, TaskbarCreated, {None, Add}},
    {"no icon wanted, no taskbar heard", false, {Start}, TaskbarCreated, kNothing},
    {"the tick adds a refused icon again", true, {NO_SHELL}, Tick, {None, Add}},
    {"refused again, with no box: the one refused before is modified",
     false,
     {StartWithIcon, AddRefused, Tick, Tick},
     AddRefused,
     {None, Modify}},
    {"so it is there: into the tray", true, {RETRY, AddRefused}, ModifyAccepted, {Hide}},
    {"a tick has nothing to add once it is there", true, {RETRY, AddRefused, ModifyAccepted, Tick}, Tick, kNothing},
    {"nor without the icon wanted", false, {Start, Tick}, Tick, kNothing},
    {"an icon lost on a modify is added again", false, {KEPT, ModifyRefused, Tick}, Tick, {None, Add}},
    {"the icon goes at the end", false, {StartWithIcon, AddAccepted}, Exit, {None, Delete}},
    {"and one the shell may hold", false, {StartWithIcon, AddRefused}, Exit, {None, Delete}},
    {"clearing the setting deletes that too", false, {StartWithIcon, AddRefused}, SettingOff, {None, Delete}},
    {"none to delete", false, {Start}, Exit, kNothing},
};

}  // namespace

TEST(WindowPresence, AnswersEachEventAfterTheEventsBefore)
{
    for (const Case& c : kCases) {
        WindowPresence presence(c.inTray);
        for (PresenceEvent event : c.before)
            presence.On(event);
        const PresenceAnswer answer = presence.On(c.event);
        EXPECT_EQ(c.expected.window, answer.window) << c.what;
        EXPECT_EQ(c.expected.icon, answer.icon) << c.what;
        EXPECT_EQ(c.expected.refuse, answer.refuse) << c.what;
        EXPECT_EQ(c.expected.trayMissingBox, answer.trayMissingBox) << c.what;
    }
}

TEST(WindowPresence, AddsARefusedIconAgainAfterOneTwoFourEightSixteenSecondsThenEveryThirty)
{
    WindowPresence presence;
    presence.On(StartWithIcon);
    presence.On(AddRefused);
    std::vector<int> adds;  // the half-second ticks that add it
    for (int tick = 1; tick <= 182; ++tick) {
        if (presence.On(Tick).icon == Add) {
            adds.push_back(tick);
            presence.On(AddRefused);
        }
    }
    EXPECT_EQ((std::vector<int>{2, 6, 14, 30, 62, 122, 182}), adds);
}
