#include "persist/user_storage.h"

#include "persist/saved_game.h"
#include "persist/settings.h"

namespace yacht {

Loaded UserStorage::loadGame(Game& game)
{
    return readSavedGame(gameFolder_, game);
}

void UserStorage::saveGame(const Game& game)
{
    writeSavedGame(gameFolder_, game);
}

StoredSettings UserStorage::readSettings()
{
    place_ = settingsPlace(drive_, programDir_);
    return readStoredSettings(store_, place_);
}

void UserStorage::writeSettings(const StoredSettings& settings)
{
    writeStoredSettings(store_, place_, settings);
}

}  // namespace yacht
