#pragma once

namespace zentile {

struct Game;
struct SavedGame;
class Host;

// Save Game and Open Game: the grid and level to a ".ztg" file and back.
class SavedGameCommands {
public:
    SavedGameCommands(Game& game, Host& host) : game(game), host(host) {}

    // Writes the grid as it stands, in any state of the game; the game goes on unchanged.
    void Save();
    // Reads and checks the whole file before anything changes; then asks whether to leave
    // out the player's entries and starts playing the file's puzzle, or takes clues saved
    // in the editor back into the editor.
    void Open();

private:
    Game& game;
    Host& host;
};

// Puts a checked saved game on the board as a new game with the clock from zero and game
// number 0. With the entries kept it is a loaded game, which never enters the best results.
// Clues saved in the editor go back into the editor instead.
void LoadSavedGame(Game& game, Host& host, const SavedGame& saved, bool keepEntries);

} // namespace zentile
