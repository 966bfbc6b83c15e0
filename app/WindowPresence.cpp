#include "WindowPresence.h"

#include <algorithm>

namespace {

// The ticks between the adds the tick makes while the icon is wanted and
// not there: about 1, 2, 4, 8 and 16 s, then every 30 s. At logon the shell
// may refuse the first adds and never announce its taskbar, since it was
// already there.
const int kRetryTicks[] = {2, 4, 8, 16, 32, 60};
const int kLastRetry = static_cast<int>(sizeof kRetryTicks / sizeof kRetryTicks[0]) - 1;

}  // namespace

PresenceAnswer WindowPresence::On(PresenceEvent event)
{
    PresenceAnswer answer;
    switch (event) {
    case PresenceEvent::Start:
    case PresenceEvent::StartWithIcon:
        return Start(event == PresenceEvent::StartWithIcon);
    case PresenceEvent::Tick:
        // Any restore from now on is the user's.
        if (m_place == Place::Held)
            m_place = m_icon == Icon::Present ? Place::InTray : Place::Minimized;
        if (Awaited() && --m_nTicksToRetry <= 0)
            return Add(m_nRetries + 1);
        break;
    case PresenceEvent::Minimized:
        if (m_icon == Icon::Present) {
            answer.window = WindowAction::Hide;
            if (m_place != Place::Held)
                m_place = Place::InTray;
        } else if (m_place == Place::Shown) {
            m_place = Place::Minimized;
        }
        break;
    case PresenceEvent::IconRestore:
        m_place = Place::Shown;
        answer.window = WindowAction::RestoreAndBringForward;
        break;
    case PresenceEvent::ShowAsked:
        // Held in the tray until the icon brings the window back: a second
        // start, or Wine restoring the owner of a dialog that closes, would
        // show it.
        answer.refuse = Hidden();
        break;
    case PresenceEvent::RestoreAsked:
        // At a start in the tray the dialog manager shows its window, and
        // activating an iconic window may restore it. In the tray a restore
        // goes on unseen (a second start): the window stays hidden there.
        answer.refuse = m_place == Place::Held;
        if (m_place == Place::Minimized)
            m_place = Place::Shown;
        break;
    case PresenceEvent::SettingsCommand:
        if (m_icon == Icon::Present) {
            m_place = Place::Shown;
            answer.window = WindowAction::RestoreAndBringForward;
        }
        break;
    case PresenceEvent::SettingOn:
        // Also while waiting: the shell may be there by now.
        if (m_icon != Icon::Present)
            return Add();
        break;
    case PresenceEvent::SettingOff:
        if (MayBeHeld())
            answer = Gone();
        m_icon = Icon::Off;
        break;
    case PresenceEvent::AddAccepted:
        return Added();
    case PresenceEvent::AddRefused:
        // An icon the shell holds is refused an add (the scale changed, a
        // remote session connected, an earlier add reported failure but was
        // carried out): it is told its image and tip instead.
        if (MayBeHeld()) {
            answer.icon = IconAction::Modify;
        } else if (m_icon == Icon::Missing) {
            m_icon = Icon::Doubtful;
            answer.trayMissingBox = m_bBoxOnRefusal;
        }
        m_bBoxOnRefusal = false;
        break;
    case PresenceEvent::ModifyAccepted:
        if (m_icon == Icon::Doubtful)
            return Added();
        break;
    case PresenceEvent::ModifyRefused:
        // A doubtful icon stays so: the add refused just before may still
        // be carried out.
        if (m_icon == Icon::Present) {
            answer = Gone();
            m_icon = Icon::Missing;
            Schedule(0);
        }
        break;
    case PresenceEvent::TaskbarCreated:
        if (Awaited())
            return Add();
        if (m_icon == Icon::Present)
            answer.icon = IconAction::AddAgain;
        break;
    case PresenceEvent::Exit:
        if (MayBeHeld())
            answer.icon = IconAction::Delete;
        m_icon = Icon::Off;
        break;
    }
    return answer;
}

PresenceAnswer WindowPresence::Start(bool iconWanted)
{
    m_place = m_bStartInTray ? Place::Held : Place::Shown;
    PresenceAnswer answer = iconWanted ? Add() : PresenceAnswer();
    // A start in the tray at logon may come before the shell: it waits on
    // the taskbar, without a box, until the shell takes the icon.
    m_bBoxOnRefusal = iconWanted && !m_bStartInTray;
    if (m_bStartInTray)
        answer.window = WindowAction::ShowMinimized;
    return answer;
}

PresenceAnswer WindowPresence::Add(int retries)
{
    if (m_icon == Icon::Off)
        m_icon = Icon::Missing;
    Schedule(retries);
    PresenceAnswer answer;
    answer.icon = IconAction::Add;
    return answer;
}

void WindowPresence::Schedule(int retries)
{
    m_nRetries = std::min(retries, kLastRetry);
    m_nTicksToRetry = kRetryTicks[m_nRetries];
}

PresenceAnswer WindowPresence::Added()
{
    PresenceAnswer answer;
    m_bBoxOnRefusal = false;
    if (m_icon == Icon::Present)
        return answer;
    m_icon = Icon::Present;
    // Minimized while there was no icon: into the tray, as a minimize with
    // the icon goes.
    if (m_place == Place::Minimized)
        m_place = Place::InTray;
    if (m_place == Place::InTray || m_place == Place::Held)
        answer.window = WindowAction::Hide;
    return answer;
}

PresenceAnswer WindowPresence::Gone()
{
    // No icon to come back through: the window may not stay hidden.
    PresenceAnswer answer;
    answer.icon = IconAction::Delete;
    if (Hidden())
        answer.window = WindowAction::ShowMinimized;
    if (m_place == Place::InTray)
        m_place = Place::Minimized;
    return answer;
}

bool WindowPresence::Hidden() const
{
    return m_place == Place::InTray || (m_place == Place::Held && m_icon == Icon::Present);
}
