#pragma once
// The speaking rate the player gave their screen reader, read from Orca's own settings.

namespace yacht {

// Orca's rate (0 to 100) for its default voice in the active profile, from user-settings.conf in
// Orca's folder of the user's data ($XDG_DATA_HOME/orca, else ~/.local/share/orca); Orca's own
// default, 50, when the file, the profile or the rate is not there.
int orcaSpeechRate();

}  // namespace yacht
