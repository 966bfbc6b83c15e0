// Where the main window is (shown, minimized on the taskbar, hidden in the
// tray, or held minimized at a start in the tray) and whether its tray icon
// exists (off, present, or wanted and not there), as one state machine: the
// tray (CTray) tells it what happened and carries out its answer.
#pragma once

enum class PresenceEvent {
    Start,          // the settings are read; the tray icon is not wanted
    StartWithIcon,  // the settings are read; the tray icon is wanted
    Tick,           // the refresh timer, every half second; the first ends a start's hold
    Minimized,      // by anyone
    IconRestore,    // the icon's double click, no dialog being open
    ShowAsked,      // a show of the window, from anywhere
    RestoreAsked,   // a restore of the minimized window, from anywhere
    SettingsCommand,
    SettingOn,  // Settings closed with OK, the icon's box ticked
    SettingOff,
    AddAccepted,
    AddRefused,
    ModifyAccepted,
    ModifyRefused,
    TaskbarCreated,  // the shell made its taskbar, or announces it again
    Exit,
};

enum class WindowAction { None, Hide, ShowMinimized, RestoreAndBringForward };

// Add: the icon with the tip of an icon added now; AddAgain: the icon as it
// is, to a shell that announced itself again; Modify: image and tip as
// they are. The shell's answer to each is told back as an event.
enum class IconAction { None, Add, AddAgain, Modify, Delete };

struct PresenceAnswer {
    WindowAction window = WindowAction::None;
    IconAction icon = IconAction::None;
    bool refuse = false;          // the show or restore asked for is refused
    bool trayMissingBox = false;  // "Error: System tray icon not available!"
};

class WindowPresence {
public:
    // startInTray: "/tray", which holds the window minimized until the
    // first tick and shows no box when the tray is missing.
    explicit WindowPresence(bool startInTray = false) : m_bStartInTray(startInTray) {}

    PresenceAnswer On(PresenceEvent event);

    // The shell took the icon: its image and tip may be sent.
    bool IconShown() const { return m_icon == Icon::Present; }

private:
    enum class Place { Shown, Minimized, InTray, Held };
    // Missing: wanted, and the shell holds none. Doubtful: wanted, and an
    // add reported failure, which a shell timing out at logon may still
    // have carried out: it is deleted at the end, and a refused add is
    // followed by a modify.
    enum class Icon { Off, Missing, Doubtful, Present };

    PresenceAnswer Start(bool iconWanted);
    // retries: the adds the tick made since another one, which sets when
    // the next is due.
    PresenceAnswer Add(int retries = 0);
    void Schedule(int retries);
    PresenceAnswer Added();
    PresenceAnswer Gone();
    bool Hidden() const;
    // Wanted and not there: the tick adds it again.
    bool Awaited() const { return m_icon == Icon::Missing || m_icon == Icon::Doubtful; }
    // The shell holds it or may: a delete is owed, and an add is refused.
    bool MayBeHeld() const { return m_icon == Icon::Present || m_icon == Icon::Doubtful; }

    bool m_bStartInTray;
    bool m_bBoxOnRefusal = false;  // the add asked for is the start's
    Place m_place = Place::Shown;
    Icon m_icon = Icon::Off;
    int m_nRetries = 0;
    int m_nTicksToRetry = 0;
};
